#pragma once
// One element of the main window's drawing: a value box, a label, a signal box, a
// bus piece, an arrow, a picture, a frame or a button. Elements hold the values
// of the simulated machine ("values live in the display"): a register's value is
// the text of its value box, a value in transit the tooltip of a bus's pieces.
// Geometry is in twips (1/15 pixel), the unit the whole scene is laid out in.
#include "colours.h"

#include <QGraphicsItem>
#include <QPixmap>
#include <QString>
#include <functional>

class PictureLoader;

enum class ElementKind { TextBox, Label, PictureBox, Image, BusPiece, Arrow, Frame, Button };

class Element : public QGraphicsItem {
public:
    Element(ElementKind kind, QString name, int index, const QRect& twips, PictureLoader* loader);

    ElementKind kind() const { return kind_; }
    const QString& name() const { return name_; }
    int index() const { return index_; }  // -1 when not a member of an indexed collection
    QString id() const;                   // "PC_DAT_G" or "Bus_PC_mux(3)"

    QRect geometry() const { return rect_; }
    void setGeometry(const QRect& twips);

    const QString& text() const { return text_; }  // text of a box, caption of a label/frame/button
    void setText(const QString& text);
    QString tip() const { return toolTip(); }
    void setTip(const QString& tip) { setToolTip(tip); }

    BGR back() const { return back_; }
    void setBack(BGR c);
    BGR fore() const { return fore_; }
    void setFore(BGR c);

    // The design path of the picture last loaded ("" for none) and the picture itself
    // (null when the file could not be loaded: then nothing is drawn).
    const QString& picture() const { return picturePath_; }
    const QPixmap& pixmap() const { return pixmap_; }
    void loadPicture(const QString& designPath);
    void setPixmap(const QPixmap& pixmap, const QString& designPath = QString());

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    // Enabled and inside an enabled container (a frame disables what it holds).
    bool isUsable() const;
    void setContainer(Element* frame) { container_ = frame; }

    // Drawing details.
    void setFontTwips(int size) { fontTwips_ = size; update(); }
    void setBold(bool on) { bold_ = on; update(); }
    void setMonospace(bool on) { mono_ = on; update(); }
    void setAlignment(Qt::Alignment a) { align_ = a; update(); }
    void setBorder(bool on) { border_ = on; update(); }
    // Draws the part after the text's last run of blanks flush right, so that the
    // key names of a button bar line up whatever the font (the text is unchanged).
    void setKeyAtRight(bool on) { keyAtRight_ = on; update(); }

    std::function<void()> onClick;
    // Lets tests and the keyboard press an element as the mouse would.
    void click();

    QRectF boundingRect() const override;
    void paint(QPainter* p, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void paintText(QPainter* p, const QRectF& r, BGR foreground);

    ElementKind kind_;
    QString name_;
    int index_;
    QRect rect_;
    QString text_;
    BGR back_ = colour::Window;
    BGR fore_ = colour::ButtonText;
    QString picturePath_;
    QPixmap pixmap_;
    PictureLoader* loader_;
    bool enabled_ = true;
    Element* container_ = nullptr;
    int fontTwips_ = 150;
    bool bold_ = false;
    bool mono_ = false;
    bool border_ = true;
    bool keyAtRight_ = false;
    Qt::Alignment align_ = Qt::AlignCenter;
};
