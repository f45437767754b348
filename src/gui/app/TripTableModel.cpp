#include "gui/app/TripTableModel.h"

#include "core/displays/TorvaSpeedUnit.h"
#include "core/i18n/TorvaLanguages.h"
#include "core/library/TripTexts.h"

#include <QBrush>

TripTableModel::TripTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void TripTableModel::setLoading()
{
    beginResetModel();
    m_trips.clear();
    m_loading = true;
    endResetModel();
}

void TripTableModel::setTrips(QList<Trip> trips)
{
    beginResetModel();
    m_trips = std::move(trips);
    m_loading = false;
    endResetModel();
}

void TripTableModel::refreshTexts()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int TripTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_trips.isEmpty() ? 1 : int(m_trips.size());
}

int TripTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

Qt::ItemFlags TripTableModel::flags(const QModelIndex &index) const
{
    // The row that says what is going on cannot be chosen.
    return m_trips.isEmpty() ? Qt::ItemIsEnabled : QAbstractTableModel::flags(index);
}

QVariant TripTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (m_trips.isEmpty()) {
        if (role == Qt::DisplayRole && index.column() == Start)
            return TorvaLanguages::text(m_loading ? "주행 기록을 읽는 중…"
                                                  : "주행 기록이 없습니다.");
        if (role == Qt::ForegroundRole)
            return QBrush(Qt::lightGray);
        return {};
    }
    if (index.row() >= m_trips.size())
        return {};
    const Trip &trip = m_trips.at(index.row());
    if (role == Qt::ForegroundRole)
        return QBrush(Qt::white);
    if (role == Qt::TextAlignmentRole && index.column() != Start)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole)
        return TorvaLanguages::text("녹화 파일 %1개").arg(trip.recordings.size());
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Start:
        return TripTexts::startText(trip);
    case Length:
        return TripTexts::lengthText(trip.seconds);
    case Distance:
        return TripTexts::distanceText(trip.track.metres(), TorvaSpeedUnit::isMph());
    default:
        return {};
    }
}
