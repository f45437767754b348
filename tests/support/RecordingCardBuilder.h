#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// Empty recording files laid out as a camera leaves them on a memory card,
// for listing tests and benchmarks.
class RecordingCardBuilder
{
public:
    explicit RecordingCardBuilder(QString root);

    // Creates an empty file (and its folders) at the relative path and returns
    // its absolute path.
    QString add(const QString &relativePath) const;
    QStringList add(const QStringList &relativePaths) const;

    QString root() const { return m_root; }
    QUrl rootUrl() const { return QUrl::fromLocalFile(m_root); }
    // The recordings' paths relative to the root, for short expectations.
    QStringList relativePaths(const QList<QUrl> &recordings) const;

private:
    QString m_root;
};
