#pragma once

#include "core/library/RecordingFilter.h"

#include <QList>
#include <QUrl>

// The recordings of the selected folder: every one found, in discovery order,
// and those of the chosen filter in the table's order. Rows are indices into
// filteredVideoFileList().
class RecordingLibrary
{
public:
    QUrl selectedVideoDirectoryUrl() const { return m_selectedVideoDirectoryUrl; }
    const QList<QUrl> &allVideoFileList() const { return m_allVideoFileList; }
    const QList<QUrl> &filteredVideoFileList() const { return m_filteredVideoFileList; }
    RecordingFilter::Group videoFileFilterGroupA() const { return m_videoFileFilterGroupA; }

    void refreshVideoFileListWithURL(const QUrl &url);
    // Lists the selected folder again and reapplies the filter.
    void refreshVideoFileList();

    // Chooses the filter when index is one of the five; does not reapply it.
    bool setVideoFileFilter(int index);
    void applyVideoFileFilter();
    // Forgets a recording deleted from the disk: out of both lists, wherever
    // it is listed.
    void removeVideoFileURL(const QUrl &url);

    QUrl takeBigVideoURL(qsizetype row, bool isVideoSwitched) const;
    qsizetype nextRow(qsizetype row) const;
    qsizetype previousRow(qsizetype row) const;

private:
    QUrl m_selectedVideoDirectoryUrl;
    QList<QUrl> m_allVideoFileList;
    QList<QUrl> m_filteredVideoFileList;
    RecordingFilter::Group m_videoFileFilterGroupA = RecordingFilter::All;
};
