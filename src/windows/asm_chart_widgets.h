#pragma once
// The pieces the ASM zoom window is built of: text boxes that keep their exact
// text and design colour, and the frame that draws the chart's decision
// outlines and arrows under them. Placed in twips, shown at 15 twips a pixel.
#include "datapath/colours.h"
#include "twips.h"

#include <QWidget>

// A multi-line text box. Its text is kept as written, line breaks included, and
// shown a line per line break.
class ChartBox : public QWidget {
    Q_OBJECT
public:
    ChartBox(const QString& name, const QRect& twips, QWidget* parent);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    BGR back() const { return back_; }
    void setBack(BGR c);
    BGR fore() const { return fore_; }
    void setFore(BGR c);
    // A decision's box lies inside its drawn outline, so it has no border of its own.
    void setBordered(bool on);
    void setAlignment(Qt::Alignment a);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    BGR back_ = colour::Window;
    BGR fore_ = colour::ButtonText;
    bool bordered_ = true;
    Qt::Alignment align_ = Qt::AlignLeft | Qt::AlignTop;
};

// The frame around the chart: its caption, the decision outlines and the arrows.
class ChartFrame : public QWidget {
    Q_OBJECT
public:
    explicit ChartFrame(QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};
