#pragma once

#include "core/library/Trip.h"

#include <QAbstractTableModel>
#include <QList>

// The trips list: one row per trip with its start, length and distance in
// the user's speed unit; while the trips are being read, or when there are
// none, one row says so.
class TripTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Start,
        Length,
        Distance,
        ColumnCount,
    };

    explicit TripTableModel(QObject *parent = nullptr);

    void setLoading();
    void setTrips(QList<Trip> trips);
    const QList<Trip> &trips() const { return m_trips; }
    bool isLoading() const { return m_loading; }
    // Texts follow the language and the unit.
    void refreshTexts();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<Trip> m_trips;
    bool m_loading = false;
};
