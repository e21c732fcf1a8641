#pragma once
#include <QString>

namespace kivra {

// A passage as the six cascading selectors show it.
struct PassageChoice {
    QString testament, book, fromChapter, fromSection, toChapter, toSection;  // the shown texts
};

} // namespace kivra
