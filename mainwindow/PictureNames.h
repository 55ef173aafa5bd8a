#pragma once
// What each picture shows, in a few words, for players who hear the board rather than see it.
// The names follow the order of the pictures in their sets.

#include <QString>

namespace quorbix {

// The five balls of the standard set (kinds 0 to 4).
QString standardPictureName(int kind);
// The big and the small picture libraries; an empty text for a number outside the library.
QString bigPictureName(int n);
QString smallPictureName(int n);
// Of the big library when big, else of the small one.
QString libraryPictureName(bool big, int n);

}  // namespace quorbix
