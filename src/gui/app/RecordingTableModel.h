#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QUrl>

// The recording table: one row per recording of the filtered list, showing
// its file name in the colour of the folder that holds it.
class RecordingTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RecordingTableModel(QObject *parent = nullptr);

    void setRecordings(const QList<QUrl> &recordings);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<QUrl> m_recordings;
};
