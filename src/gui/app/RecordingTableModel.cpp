#include "gui/app/RecordingTableModel.h"

#include "core/library/RecordingRowColour.h"

#include <QBrush>
#include <QColor>

RecordingTableModel::RecordingTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void RecordingTableModel::setRecordings(const QList<QUrl> &recordings)
{
    beginResetModel();
    m_recordings = recordings;
    endResetModel();
}

int RecordingTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_recordings.size());
}

int RecordingTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant RecordingTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_recordings.size())
        return {};
    const QUrl &recording = m_recordings.at(index.row());
    if (role == Qt::DisplayRole)
        return recording.fileName();
    if (role == Qt::ForegroundRole) {
        switch (RecordingRowColour::colourFor(recording)) {
        case RecordingRowColour::Colour::Saved:
            return QBrush(Qt::magenta);
        case RecordingRowColour::Colour::Manual:
            return QBrush(Qt::yellow);
        case RecordingRowColour::Colour::Normal:
            return QBrush(Qt::white);
        }
    }
    return {};
}
