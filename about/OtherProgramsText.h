#pragma once
// The About box's page of our other programs, in the player's language.

#include <QString>

// The page with its sentences translated; the programs' names stay as they are.
QString translatedOtherPrograms(const QString &html);
