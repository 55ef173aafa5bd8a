#pragma once
// The high score file of a test: a temporary folder stands in for the program's, so the file is
// <temp>/quorbix.hsl.

#include "AppFiles.h"
#include "TempExeDir.h"

#include <QByteArray>
#include <QFile>

inline QByteArray readHighScoreFile()
{
    QFile file(platform::highScoreFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeHighScoreFile(const QByteArray &bytes)
{
    QFile file(platform::highScoreFilePath());
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// A section of ten entries scored 100, 200, ..., 1000, written worst first.
inline QByteArray tenEntries(const QByteArray &section)
{
    QByteArray text = "[" + section + "]\n";
    for (int i = 0; i < 10; ++i)
        text += "P" + QByteArray::number(i) + "_" + QByteArray::number(9 - i) + "=" +
                QByteArray::number((i + 1) * 100) + "\n";
    return text;
}
