#pragma once
// The go-to box: a typed reference ("John 3:16", "Ps 23") shown as if chosen in the six selectors.
#include "reading/ReferenceParser.h"

#include <QLineEdit>

namespace kivra {

class ReferenceBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ReferenceBox(QWidget* parent = nullptr);

    // Reads the box's text. A reference that exists is announced; one that does not gets a message
    // naming the wrong part, and nothing is announced. An empty box does nothing.
    bool goTo();

signals:
    void referenceChosen(const kivra::Passage& passage);
};

} // namespace kivra
