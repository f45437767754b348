#include "core/library/RecordingLibrary.h"

#include "core/library/RecordingFiles.h"
#include "core/library/RecordingPairs.h"

void RecordingLibrary::refreshVideoFileListWithURL(const QUrl &url)
{
    m_selectedVideoDirectoryUrl = url;
    refreshVideoFileList();
}

void RecordingLibrary::refreshVideoFileList()
{
    m_allVideoFileList = RecordingFiles::listCardRecordings(m_selectedVideoDirectoryUrl);
    applyVideoFileFilter();
}

bool RecordingLibrary::setVideoFileFilter(int index)
{
    if (!RecordingFilter::isGroup(index))
        return false;
    m_videoFileFilterGroupA = RecordingFilter::Group(index);
    return true;
}

void RecordingLibrary::applyVideoFileFilter()
{
    m_filteredVideoFileList =
        RecordingFilter::applyVideoFileFilter(m_allVideoFileList, m_videoFileFilterGroupA);
}

void RecordingLibrary::removeVideoFileURL(const QUrl &url)
{
    m_filteredVideoFileList.removeAll(url);
    m_allVideoFileList.removeAll(url);
}

QUrl RecordingLibrary::takeBigVideoURL(qsizetype row, bool isVideoSwitched) const
{
    return RecordingPairs::takeBigVideoURL(m_filteredVideoFileList, row, isVideoSwitched);
}

qsizetype RecordingLibrary::nextRow(qsizetype row) const
{
    return RecordingPairs::nextRow(m_filteredVideoFileList, row);
}

qsizetype RecordingLibrary::previousRow(qsizetype row) const
{
    return RecordingPairs::previousRow(m_filteredVideoFileList, row);
}
