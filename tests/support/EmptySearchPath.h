#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points PATH at an empty folder for as long as it lives, so that no
// program (ffmpeg above all) is found on it.
class EmptySearchPath
{
public:
    EmptySearchPath();
    ~EmptySearchPath();
    EmptySearchPath(const EmptySearchPath &) = delete;
    EmptySearchPath &operator=(const EmptySearchPath &) = delete;

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};
