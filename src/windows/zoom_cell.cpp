#include "zoom_cell.h"

#include "twips.h"

ZoomCell::ZoomCell(const QString& name, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    paint();
}

QFont ZoomCell::courierBold(qreal points)
{
    QFont f;
    f.setFamilies({QStringLiteral("Courier"), QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setBold(true);
    f.setPixelSize(fontPixels(points));
    return f;
}

void ZoomCell::setLook(BGR back, BGR fore)
{
    if (back == back_ && fore == fore_)
        return;
    back_ = back;
    fore_ = fore;
    paint();
}

void ZoomCell::setTextIfChanged(const QString& t)
{
    if (text() != t)
        setText(t);
}

void ZoomCell::paint()
{
    QPalette p = palette();
    // Every colour group, the disabled one included.
    p.setColor(QPalette::Base, colour::toQColor(back_));
    p.setColor(QPalette::Text, colour::toQColor(fore_));
    setPalette(p);
}
