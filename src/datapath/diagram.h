#pragma once
// The main window's drawing: a scene of Elements laid out in twips, looked up by
// their design names ("PC_DAT_G") or as members of indexed collections
// ("Bus_PC_mux", 3). Looking up a name that does not exist is a programming error
// and aborts with the name, so a typo can never pass silently.
#include "element.h"

#include <QGraphicsScene>
#include <QHash>
#include <QVector>
#include <memory>

class Diagram {
public:
    explicit Diagram(PictureLoader* loader);
    ~Diagram();

    QGraphicsScene& scene() { return scene_; }

    Element& add(ElementKind kind, const QString& name, const QRect& twips, int index = -1);

    Element& operator()(const QString& name, int index = -1) const;
    Element* find(const QString& name, int index = -1) const;
    // Members of an indexed collection, in index order (empty when there is none).
    const QVector<Element*>& members(const QString& name) const;
    const QVector<Element*>& all() const { return order_; }

private:
    QGraphicsScene scene_;
    PictureLoader* loader_;
    QHash<QString, Element*> byId_;
    QHash<QString, QVector<Element*>> arrays_;
    QVector<Element*> order_;
};
