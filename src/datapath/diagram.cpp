#include "diagram.h"

#include <QtGlobal>

namespace {
QString key(const QString& name, int index)
{
    return index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}
const QVector<Element*> kNone;
}  // namespace

Diagram::Diagram(PictureLoader* loader) : loader_(loader) {}

Diagram::~Diagram()
{
    // The scene owns the items; clear our indexes first so nothing dangles.
    byId_.clear();
    arrays_.clear();
    order_.clear();
}

Element& Diagram::add(ElementKind kind, const QString& name, const QRect& twips, int index)
{
    const QString k = key(name, index);
    Q_ASSERT_X(!byId_.contains(k), "Diagram::add", qPrintable(k));
    auto* e = new Element(kind, name, index, twips, loader_);
    scene_.addItem(e);
    byId_.insert(k, e);
    order_.append(e);
    if (index >= 0) {
        QVector<Element*>& members = arrays_[name];
        if (members.size() <= index)
            members.resize(index + 1);
        members[index] = e;
    }
    return *e;
}

Element* Diagram::find(const QString& name, int index) const { return byId_.value(key(name, index), nullptr); }

Element& Diagram::operator()(const QString& name, int index) const
{
    Element* e = find(name, index);
    if (!e)
        qFatal("No element named %s in the main window", qPrintable(key(name, index)));
    return *e;
}

const QVector<Element*>& Diagram::members(const QString& name) const
{
    auto it = arrays_.constFind(name);
    return it == arrays_.constEnd() ? kNone : *it;
}
