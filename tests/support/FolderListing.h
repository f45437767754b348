#pragma once

#include <QString>
#include <QStringList>

// What a test run left in a folder.
class FolderListing
{
public:
    // Every entry, hidden ones too (a failed write must leave no temporary
    // file), sorted by name.
    static QStringList entries(const QString &folder);
};
