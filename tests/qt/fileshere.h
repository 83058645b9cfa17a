// The game's files in a folder of the test's own while it lasts: the
// program's files folder points there and back again afterwards.
#pragma once

#include "store/inifile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

struct FilesHere {
    QTemporaryDir dir;
    QByteArray before = qgetenv("BRIXO_FILES_DIR");
    FilesHere() { qputenv("BRIXO_FILES_DIR", dir.path().toLocal8Bit()); }
    ~FilesHere() { qputenv("BRIXO_FILES_DIR", before); }
    // The settings file.
    std::string ini() const { return (dir.path() + "/quorvinlobby.ini").toStdString(); }
    void write(const std::string& text) const
    {
        QFile file(QString::fromStdString(ini()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
    }
    brixo::IniFile read() const
    {
        brixo::IniFile file;
        file.load(ini());
        return file;
    }
};
