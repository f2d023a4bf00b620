#pragma once
// A read-only cell of a zoom window. It keeps its colours as the design's values,
// so that they can be read back, and repaints only when they change; a disabled
// cell keeps them too (R0's cells are disabled by design yet readable). The
// memory zoom's address entry is one made writable.
#include "datapath/colours.h"

#include <QLineEdit>

class ZoomCell : public QLineEdit {
    Q_OBJECT
public:
    ZoomCell(const QString& name, QWidget* parent);
    // The one font request of every zoom cell: Courier, bold, at `points` on the
    // grid of 15 twips a pixel the cells are placed on, else the closest
    // fixed-width face, so two zoom windows side by side always match.
    static QFont courierBold(qreal points);

    BGR back() const { return back_; }
    BGR fore() const { return fore_; }
    void setBack(BGR c) { setLook(c, fore_); }
    void setLook(BGR back, BGR fore);
    // The refreshes run at every access, shown or not: unchanged cells cost nothing.
    void setTextIfChanged(const QString& text);

private:
    void paint();

    BGR back_ = colour::Window;
    BGR fore_ = colour::ButtonText;
};
