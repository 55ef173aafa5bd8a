#include "PictureNames.h"

#include <QCoreApplication>

#include <array>
#include <span>

namespace quorbix {

namespace {

constexpr const char *Context = "PictureNames";

constexpr std::array Standard = {
    QT_TRANSLATE_NOOP("PictureNames", "Red ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Green ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Blue ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Yellow ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Magenta ball"),
};

constexpr std::array Big = {
    // A new player's five: red, green, blue, yellow and black, black and white.
    QT_TRANSLATE_NOOP("PictureNames", "Ladybird"),
    QT_TRANSLATE_NOOP("PictureNames", "Frog"),
    QT_TRANSLATE_NOOP("PictureNames", "Whale"),
    QT_TRANSLATE_NOOP("PictureNames", "Bee"),
    QT_TRANSLATE_NOOP("PictureNames", "Panda"),
    // animals
    QT_TRANSLATE_NOOP("PictureNames", "Dog"),
    QT_TRANSLATE_NOOP("PictureNames", "Cat"),
    QT_TRANSLATE_NOOP("PictureNames", "Mouse"),
    QT_TRANSLATE_NOOP("PictureNames", "Hamster"),
    QT_TRANSLATE_NOOP("PictureNames", "Rabbit"),
    QT_TRANSLATE_NOOP("PictureNames", "Fox"),
    QT_TRANSLATE_NOOP("PictureNames", "Bear"),
    QT_TRANSLATE_NOOP("PictureNames", "Octopus"),
    QT_TRANSLATE_NOOP("PictureNames", "Koala"),
    QT_TRANSLATE_NOOP("PictureNames", "Tiger"),
    QT_TRANSLATE_NOOP("PictureNames", "Lion"),
    QT_TRANSLATE_NOOP("PictureNames", "Cow"),
    QT_TRANSLATE_NOOP("PictureNames", "Pig"),
    QT_TRANSLATE_NOOP("PictureNames", "Monkey"),
    QT_TRANSLATE_NOOP("PictureNames", "Chicken"),
    QT_TRANSLATE_NOOP("PictureNames", "Penguin"),
    QT_TRANSLATE_NOOP("PictureNames", "Chick"),
    QT_TRANSLATE_NOOP("PictureNames", "Duck"),
    QT_TRANSLATE_NOOP("PictureNames", "Owl"),
    QT_TRANSLATE_NOOP("PictureNames", "Horse"),
    QT_TRANSLATE_NOOP("PictureNames", "Turtle"),
    QT_TRANSLATE_NOOP("PictureNames", "Snake"),
    QT_TRANSLATE_NOOP("PictureNames", "Crab"),
    QT_TRANSLATE_NOOP("PictureNames", "Tropical fish"),
    QT_TRANSLATE_NOOP("PictureNames", "Dolphin"),
    QT_TRANSLATE_NOOP("PictureNames", "Elephant"),
    QT_TRANSLATE_NOOP("PictureNames", "Giraffe"),
    QT_TRANSLATE_NOOP("PictureNames", "Snail"),
    QT_TRANSLATE_NOOP("PictureNames", "Butterfly"),
    QT_TRANSLATE_NOOP("PictureNames", "Parrot"),
    // toys
    QT_TRANSLATE_NOOP("PictureNames", "Teddy bear"),
    QT_TRANSLATE_NOOP("PictureNames", "Kite"),
    QT_TRANSLATE_NOOP("PictureNames", "Balloon"),
    QT_TRANSLATE_NOOP("PictureNames", "Yo-yo"),
    QT_TRANSLATE_NOOP("PictureNames", "Dice"),
    QT_TRANSLATE_NOOP("PictureNames", "Puzzle piece"),
    QT_TRANSLATE_NOOP("PictureNames", "Steam engine"),
    QT_TRANSLATE_NOOP("PictureNames", "Car"),
    QT_TRANSLATE_NOOP("PictureNames", "Rocket"),
    QT_TRANSLATE_NOOP("PictureNames", "Drum"),
    QT_TRANSLATE_NOOP("PictureNames", "Trumpet"),
    QT_TRANSLATE_NOOP("PictureNames", "Guitar"),
    QT_TRANSLATE_NOOP("PictureNames", "Sailing boat"),
    QT_TRANSLATE_NOOP("PictureNames", "Robot"),
    QT_TRANSLATE_NOOP("PictureNames", "Present"),
    QT_TRANSLATE_NOOP("PictureNames", "Helicopter"),
    // everyday things
    QT_TRANSLATE_NOOP("PictureNames", "Umbrella"),
    QT_TRANSLATE_NOOP("PictureNames", "Key"),
    QT_TRANSLATE_NOOP("PictureNames", "Light bulb"),
    QT_TRANSLATE_NOOP("PictureNames", "Alarm clock"),
    QT_TRANSLATE_NOOP("PictureNames", "Books"),
    QT_TRANSLATE_NOOP("PictureNames", "Pencil"),
    QT_TRANSLATE_NOOP("PictureNames", "Scissors"),
    QT_TRANSLATE_NOOP("PictureNames", "Hammer"),
    QT_TRANSLATE_NOOP("PictureNames", "Top hat"),
    QT_TRANSLATE_NOOP("PictureNames", "Glasses"),
    QT_TRANSLATE_NOOP("PictureNames", "Trainer"),
    QT_TRANSLATE_NOOP("PictureNames", "Cup"),
    QT_TRANSLATE_NOOP("PictureNames", "Apple"),
    QT_TRANSLATE_NOOP("PictureNames", "Banana"),
    QT_TRANSLATE_NOOP("PictureNames", "Strawberry"),
    QT_TRANSLATE_NOOP("PictureNames", "Watermelon"),
    QT_TRANSLATE_NOOP("PictureNames", "Pizza"),
    QT_TRANSLATE_NOOP("PictureNames", "Ice cream"),
    QT_TRANSLATE_NOOP("PictureNames", "Bell"),
    QT_TRANSLATE_NOOP("PictureNames", "Anchor"),
    QT_TRANSLATE_NOOP("PictureNames", "House"),
    QT_TRANSLATE_NOOP("PictureNames", "Cactus"),
    QT_TRANSLATE_NOOP("PictureNames", "Sunflower"),
    QT_TRANSLATE_NOOP("PictureNames", "Mushroom"),
    // balls
    QT_TRANSLATE_NOOP("PictureNames", "Football"),
    QT_TRANSLATE_NOOP("PictureNames", "Basketball"),
    QT_TRANSLATE_NOOP("PictureNames", "Baseball"),
    QT_TRANSLATE_NOOP("PictureNames", "Tennis ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Volleyball"),
    QT_TRANSLATE_NOOP("PictureNames", "Pool ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Red ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Orange ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Green ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Cyan ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Blue ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Purple ball"),
};

constexpr std::array Small = {
    // the balls of the standard set
    QT_TRANSLATE_NOOP("PictureNames", "Red ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Green ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Blue ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Yellow ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Magenta ball"),
    // a new player's five, in the same colours
    QT_TRANSLATE_NOOP("PictureNames", "Heart"),
    QT_TRANSLATE_NOOP("PictureNames", "Four-leaf clover"),
    QT_TRANSLATE_NOOP("PictureNames", "Drop"),
    QT_TRANSLATE_NOOP("PictureNames", "Sunflower"),
    QT_TRANSLATE_NOOP("PictureNames", "Grapes"),
    // fruit, plants, sky and weather
    QT_TRANSLATE_NOOP("PictureNames", "Apple"),
    QT_TRANSLATE_NOOP("PictureNames", "Orange"),
    QT_TRANSLATE_NOOP("PictureNames", "Lemon"),
    QT_TRANSLATE_NOOP("PictureNames", "Cherries"),
    QT_TRANSLATE_NOOP("PictureNames", "Strawberry"),
    QT_TRANSLATE_NOOP("PictureNames", "Watermelon"),
    QT_TRANSLATE_NOOP("PictureNames", "Banana"),
    QT_TRANSLATE_NOOP("PictureNames", "Carrot"),
    QT_TRANSLATE_NOOP("PictureNames", "Mushroom"),
    QT_TRANSLATE_NOOP("PictureNames", "Cactus"),
    QT_TRANSLATE_NOOP("PictureNames", "Tulip"),
    QT_TRANSLATE_NOOP("PictureNames", "Fir tree"),
    QT_TRANSLATE_NOOP("PictureNames", "Maple leaf"),
    QT_TRANSLATE_NOOP("PictureNames", "Sun"),
    QT_TRANSLATE_NOOP("PictureNames", "Moon"),
    QT_TRANSLATE_NOOP("PictureNames", "Star"),
    QT_TRANSLATE_NOOP("PictureNames", "Lightning"),
    QT_TRANSLATE_NOOP("PictureNames", "Fire"),
    QT_TRANSLATE_NOOP("PictureNames", "Snowflake"),
    QT_TRANSLATE_NOOP("PictureNames", "Rainbow"),
    // animals
    QT_TRANSLATE_NOOP("PictureNames", "Fish"),
    QT_TRANSLATE_NOOP("PictureNames", "Ladybird"),
    QT_TRANSLATE_NOOP("PictureNames", "Bee"),
    QT_TRANSLATE_NOOP("PictureNames", "Snail"),
    QT_TRANSLATE_NOOP("PictureNames", "Butterfly"),
    QT_TRANSLATE_NOOP("PictureNames", "Frog"),
    QT_TRANSLATE_NOOP("PictureNames", "Pig"),
    QT_TRANSLATE_NOOP("PictureNames", "Cat"),
    QT_TRANSLATE_NOOP("PictureNames", "Dog"),
    QT_TRANSLATE_NOOP("PictureNames", "Mouse"),
    QT_TRANSLATE_NOOP("PictureNames", "Rabbit"),
    QT_TRANSLATE_NOOP("PictureNames", "Penguin"),
    QT_TRANSLATE_NOOP("PictureNames", "Chick"),
    QT_TRANSLATE_NOOP("PictureNames", "Turtle"),
    QT_TRANSLATE_NOOP("PictureNames", "Octopus"),
    QT_TRANSLATE_NOOP("PictureNames", "Crab"),
    QT_TRANSLATE_NOOP("PictureNames", "Whale"),
    // toys and everyday things
    QT_TRANSLATE_NOOP("PictureNames", "Key"),
    QT_TRANSLATE_NOOP("PictureNames", "Light bulb"),
    QT_TRANSLATE_NOOP("PictureNames", "Bell"),
    QT_TRANSLATE_NOOP("PictureNames", "Anchor"),
    QT_TRANSLATE_NOOP("PictureNames", "Balloon"),
    QT_TRANSLATE_NOOP("PictureNames", "Present"),
    QT_TRANSLATE_NOOP("PictureNames", "Dice"),
    QT_TRANSLATE_NOOP("PictureNames", "Car"),
    QT_TRANSLATE_NOOP("PictureNames", "Rocket"),
    QT_TRANSLATE_NOOP("PictureNames", "Sailing boat"),
    QT_TRANSLATE_NOOP("PictureNames", "House"),
    QT_TRANSLATE_NOOP("PictureNames", "Alarm clock"),
    QT_TRANSLATE_NOOP("PictureNames", "Pencil"),
    QT_TRANSLATE_NOOP("PictureNames", "Scissors"),
    QT_TRANSLATE_NOOP("PictureNames", "Hammer"),
    QT_TRANSLATE_NOOP("PictureNames", "Crown"),
    QT_TRANSLATE_NOOP("PictureNames", "Diamond"),
    QT_TRANSLATE_NOOP("PictureNames", "Top hat"),
    QT_TRANSLATE_NOOP("PictureNames", "Trainer"),
    QT_TRANSLATE_NOOP("PictureNames", "Cup"),
    QT_TRANSLATE_NOOP("PictureNames", "Ice cream"),
    QT_TRANSLATE_NOOP("PictureNames", "Umbrella"),
    // balls
    QT_TRANSLATE_NOOP("PictureNames", "Football"),
    QT_TRANSLATE_NOOP("PictureNames", "Basketball"),
    QT_TRANSLATE_NOOP("PictureNames", "Tennis ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Pool ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Orange ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Cyan ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Pink ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Brown ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Silver ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Black ball"),
    QT_TRANSLATE_NOOP("PictureNames", "Purple ball"),
};

static_assert(Big.size() == 87 && Small.size() == 80,
              "one name for every picture of the libraries");

QString nameIn(std::span<const char *const> names, int n)
{
    if (n < 0 || n >= static_cast<int>(names.size())) return {};
    return QCoreApplication::translate(Context, names[static_cast<std::size_t>(n)]);
}

}  // namespace

QString standardPictureName(int kind) { return nameIn(Standard, kind); }
QString bigPictureName(int n) { return nameIn(Big, n); }
QString smallPictureName(int n) { return nameIn(Small, n); }
QString libraryPictureName(bool big, int n)
{
    return big ? bigPictureName(n) : smallPictureName(n);
}

}  // namespace quorbix
