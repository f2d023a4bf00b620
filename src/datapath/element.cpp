#include "element.h"

#include "platform/services.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

Element::Element(ElementKind kind, QString name, int index, const QRect& twips, PictureLoader* loader)
    : kind_(kind), name_(std::move(name)), index_(index), rect_(twips), loader_(loader)
{
    setPos(rect_.topLeft());
    if (kind_ == ElementKind::Frame)
        setZValue(-1);  // frames lie under what they hold
    else if (kind_ == ElementKind::BusPiece)
        setZValue(1);
    else if (kind_ == ElementKind::Arrow)
        setZValue(2);
    else
        setZValue(3);
    if (kind_ == ElementKind::Label || kind_ == ElementKind::Image || kind_ == ElementKind::BusPiece ||
        kind_ == ElementKind::Arrow)
        border_ = false;
    setAcceptedMouseButtons(Qt::LeftButton);
}

QString Element::id() const
{
    return index_ < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index_);
}

void Element::setGeometry(const QRect& twips)
{
    prepareGeometryChange();
    rect_ = twips;
    setPos(rect_.topLeft());
}

void Element::setText(const QString& text)
{
    if (text_ == text)
        return;
    text_ = text;
    update();
}

void Element::setBack(BGR c)
{
    if (back_ == c)
        return;
    back_ = c;
    update();
}

void Element::setFore(BGR c)
{
    if (fore_ == c)
        return;
    fore_ = c;
    update();
}

void Element::loadPicture(const QString& designPath)
{
    setPixmap(loader_ ? loader_->load(designPath) : QPixmap(), designPath);
}

void Element::setPixmap(const QPixmap& pixmap, const QString& designPath)
{
    pixmap_ = pixmap;
    picturePath_ = designPath;
    update();
}

void Element::setEnabled(bool on)
{
    if (enabled_ == on)
        return;
    enabled_ = on;
    update();
}

bool Element::isUsable() const { return enabled_ && (!container_ || container_->isUsable()); }

void Element::click()
{
    if (isUsable() && onClick)
        onClick();
}

namespace {
// Pieces of a run stand at most 150 twips apart while each is 135 wide; painting
// them this much larger on every side keeps the widest-spaced run a solid line.
constexpr qreal kPieceBleed = 8;
}  // namespace

QRectF Element::boundingRect() const
{
    const QRectF r(0, 0, rect_.width(), rect_.height());
    return kind_ == ElementKind::BusPiece ? r.adjusted(-kPieceBleed, -kPieceBleed, kPieceBleed, kPieceBleed) : r;
}

void Element::paintText(QPainter* p, const QRectF& r, BGR foreground)
{
    if (text_.isEmpty())
        return;
    QFont f(mono_ ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(fontTwips_);
    f.setBold(bold_);
    p->setFont(f);
    QColor c = colour::toQColor(foreground);
    if (!isUsable() && (kind_ == ElementKind::TextBox || kind_ == ElementKind::Button || kind_ == ElementKind::Frame))
        c = QColor(128, 128, 128);  // the greyed text of a disabled control
    p->setPen(c);
    QString shown = text_;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // Lists that start at the top keep a small margin from the box's edge.
    const QRectF area = r.adjusted(45, (align_ & Qt::AlignTop) ? 25 : 0, -45, 0);
    if (keyAtRight_) {
        const int gap = shown.lastIndexOf(QLatin1String("  "));
        if (gap > 0) {
            int keyStart = gap;
            while (keyStart < shown.size() && shown.at(keyStart) == QLatin1Char(' '))
                ++keyStart;
            p->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown.left(gap).trimmed());
            p->drawText(area, Qt::AlignRight | Qt::AlignVCenter, shown.mid(keyStart));
            return;
        }
    }
    p->drawText(area, int(align_) | Qt::TextWordWrap, shown);
}

void Element::paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF r = boundingRect();
    switch (kind_) {
    case ElementKind::BusPiece:
        p->fillRect(r.adjusted(-kPieceBleed, -kPieceBleed, kPieceBleed, kPieceBleed), colour::toQColor(back_));
        return;
    case ElementKind::Arrow:
    case ElementKind::Image:
        if (!pixmap_.isNull())
            p->drawPixmap(r, pixmap_, QRectF(pixmap_.rect()));
        return;
    case ElementKind::Frame: {
        p->setPen(QPen(QColor(128, 128, 128), 15));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r.adjusted(0, 90, 0, 0));
        if (!text_.isEmpty()) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(fontTwips_);
            f.setBold(bold_);
            p->setFont(f);
            const QFontMetrics fm(f);
            const QRectF caption(120, 0, fm.horizontalAdvance(text_) + 60, fontTwips_ * 1.3);
            p->fillRect(caption, colour::toQColor(colour::ButtonFace));
            p->setPen(isUsable() ? QColor(0, 0, 0) : QColor(128, 128, 128));
            p->drawText(caption, Qt::AlignCenter, text_);
        }
        return;
    }
    case ElementKind::Button: {
        p->fillRect(r, colour::toQColor(back_));
        p->setPen(QPen(QColor(255, 255, 255), 15));
        p->drawLine(r.topLeft(), r.topRight());
        p->drawLine(r.topLeft(), r.bottomLeft());
        p->setPen(QPen(QColor(64, 64, 64), 15));
        p->drawLine(r.bottomLeft(), r.bottomRight());
        p->drawLine(r.topRight(), r.bottomRight());
        paintText(p, r, fore_);
        return;
    }
    default:
        break;
    }
    if (back_ != colour::Transparent)
        p->fillRect(r, colour::toQColor(back_));
    if (!pixmap_.isNull()) {
        // A picture box shows its picture scaled into the box, keeping proportions.
        const QSizeF s = QSizeF(pixmap_.size()).scaled(r.size(), Qt::KeepAspectRatio);
        const QRectF target(r.center().x() - s.width() / 2, r.center().y() - s.height() / 2, s.width(), s.height());
        p->drawPixmap(target, pixmap_, QRectF(pixmap_.rect()));
    }
    paintText(p, r, fore_);
    if (border_) {
        p->setPen(QPen(QColor(96, 96, 96), 15));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r.adjusted(7, 7, -7, -7));
    }
}

void Element::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (onClick && isUsable())
        event->accept();
    else
        event->ignore();
}

void Element::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (boundingRect().contains(event->pos()))
        click();
}
