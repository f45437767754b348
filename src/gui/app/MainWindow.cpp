#include "gui/app/MainWindow.h"

#include "core/app/MainWindowLayout.h"
#include "core/library/RecordingFilter.h"
#include "gui/app/MainWindowKeyDelegate.h"
#include "gui/app/MapCoverView.h"
#include "gui/controls/ElidingLabel.h"
#include "gui/controls/ImageButton.h"
#include "gui/controls/TorvaControls.h"
#include "gui/controls/TorvaImageView.h"
#include "gui/displays/GravityGraphView.h"
#include "gui/displays/SeekTimeSliderView.h"
#include "gui/displays/SpeedMeterView.h"
#include "gui/displays/TripTimelineView.h"
#include "gui/displays/VolumeSliderView.h"
#include "gui/video/TorvaAVView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int kLibraryWidth = 280;
constexpr int kContentMargin = 8;
constexpr int kBandPadding = 8;
// The bands below the video, in the 1024-wide design: each part's width
// leaves it the same margin on the right as its x origin gives it on the left.
constexpr int kToolbarHeight = 84;
constexpr int kToolbarBgWidth = MainWindowLayout::kDesignWidth - 2 * 25;
constexpr int kToolbarButtonsWidth = MainWindowLayout::kDesignWidth - 2 * 10;
constexpr int kDashboardHeight = 128;
constexpr int kDashBgWidth = MainWindowLayout::kDesignWidth - 2 * 18;
constexpr int kDashboardCtrlsWidth = MainWindowLayout::kDesignWidth - 2 * 43;
constexpr int kSmallVideoWidth = 320;
constexpr int kTripTimelineRowHeight = 12;
constexpr int kSmallVideoHeight = 180;

QLabel *whiteLabel(QWidget *parent, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

TorvaImageView *imageView(QWidget *parent, const QString &name, const QSize &size)
{
    auto *view = new TorvaImageView(parent);
    view->setImageName(name);
    view->setFixedSize(size);
    view->setImageScaling(TorvaImageView::Scaling::Proportionally);
    return view;
}

TorvaImageView *coverPicture(QWidget *parent)
{
    auto *cover = new TorvaImageView(parent);
    cover->setImageName(QStringLiteral("movie_cover"));
    cover->setImageScaling(TorvaImageView::Scaling::Proportionally);
    return cover;
}

// A band's backdrop: a rounded panel a shade lighter than the window.
QWidget *bandBackground(QWidget *band, const QString &name, int width, int height)
{
    auto *panel = new QWidget(band);
    panel->setObjectName(name);
    panel->setStyleSheet(QStringLiteral("#%1 { background-color: qlineargradient(x1:0, y1:0, "
                                        "x2:0, y2:1, stop:0 #33383e, stop:1 #272b30); "
                                        "border-radius: 6px; }")
                             .arg(name));
    panel->setFixedSize(width, height);
    return panel;
}

// Keys reach the window itself, so that the table or a button never takes
// Space, Return or the arrows for themselves.
void takeKeyboardFocusFromChildren(QWidget *window)
{
    for (QWidget *child : window->findChildren<QWidget *>())
        child->setFocusPolicy(Qt::NoFocus);
    window->setFocusPolicy(Qt::StrongFocus);
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Torvaview"));
    setWindowFlag(Qt::FramelessWindowHint);
    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("mainContent"));
    content->setStyleSheet(QStringLiteral("#mainContent { background-color: #202327; }"));
    auto *columns = new QHBoxLayout;
    columns->setContentsMargins(kContentMargin, kContentMargin, kContentMargin, 0);
    columns->addWidget(buildLibraryColumn());
    columns->addWidget(buildVideoArea(), 1);

    // The two bands below span the whole width: their parts are placed in
    // window coordinates by layoutBands().
    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addLayout(columns, 1);
    m_tripTimelineRow = new QWidget(content);
    m_tripTimelineRow->setFixedHeight(kTripTimelineRowHeight);
    m_tripTimelineRow->hide();
    rows->addWidget(m_tripTimelineRow);
    rows->addWidget(buildTransportRow());
    rows->addWidget(buildDashboard());
    setCentralWidget(content);
    buildWindowButtons();
    // Without a frame the window is resized from its bottom right corner.
    m_sizeGrip = new QSizeGrip(this);
    takeKeyboardFocusFromChildren(this);
    // The map page takes the keyboard when clicked; the shortcuts keep it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now != this && isAncestorOf(now))
            setFocus(Qt::OtherFocusReason);
    });
    setMinimumWidth(MainWindowLayout::kDesignWidth);
    resize(MainWindowLayout::kDesignWidth, 720);
}

void MainWindow::buildWindowButtons()
{
    auto *buttons = new QWidget(this);
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 4, 0);
    m_outlets.appMinimizeButton = addButton(buttons, QStringLiteral("app_minimize_1"));
    m_outlets.appExitButton = addButton(buttons, QStringLiteral("app_exit_1"));
    menuBar()->setCornerWidget(buttons, Qt::TopRightCorner);
    menuBar()->setStyleSheet(
        QStringLiteral("QMenuBar { background-color: #181a1d; color: white; }"
                       "QMenuBar::item:selected { background-color: #33383e; }"));
}

ImageButton *MainWindow::addButton(QWidget *parent, const QString &image)
{
    auto *button = new ImageButton(parent);
    button->setImage(image);
    button->setAllowAutoMouseEventImage(true);
    if (parent->layout())
        parent->layout()->addWidget(button);
    return button;
}

QWidget *MainWindow::buildLibraryColumn()
{
    auto *column = new QWidget(this);
    column->setFixedWidth(kLibraryWidth);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *identity = new QHBoxLayout;
    m_outlets.modelLabel = whiteLabel(column);
    m_outlets.versionLabel = whiteLabel(column);
    m_outlets.versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The version is short and always shown whole; a long model name gives way.
    m_outlets.versionLabel->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    m_outlets.modelLabel->setMinimumWidth(1);
    identity->addWidget(m_outlets.modelLabel, 1);
    identity->addWidget(m_outlets.versionLabel);
    layout->addLayout(identity);

    auto *filters = new QWidget(column);
    auto *filterRow = new QHBoxLayout(filters);
    filterRow->setContentsMargins(0, 0, 0, 0);
    filterRow->setSpacing(1);
    for (int group = 0; group < RecordingFilter::kGroupCount; ++group) {
        ImageButton *button = addButton(filters, QStringLiteral("sorting_btn_60_1"));
        button->setFixedSize(54, 26);
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * 0.75);
        button->setFont(font);
        TorvaControls::setTitleColor(button, Qt::white);
        m_outlets.filterButtons.append(button);
    }
    layout->addWidget(filters);

    auto *folderRow = new QHBoxLayout;
    m_outlets.selectFolderButton = new ImageButton(column);
    m_outlets.selectFolderButton->setImage(QStringLiteral("folder_1"));
    m_outlets.selectFolderButton->setAllowAutoMouseEventImage(true);
    m_outlets.selectedFolderLabel = new ElidingLabel(column);
    m_outlets.selectedFolderLabel->setStyleSheet(QStringLiteral("color: white;"));
    folderRow->addWidget(m_outlets.selectFolderButton);
    folderRow->addWidget(m_outlets.selectedFolderLabel, 1);
    m_outlets.tripsButton = addButton(column, QStringLiteral("sorting_btn_60_1"));
    m_outlets.tripsButton->setFixedSize(54, 26);
    m_outlets.tripsButton->setFont(m_outlets.filterButtons.first()->font());
    TorvaControls::setTitleColor(m_outlets.tripsButton, Qt::white);
    folderRow->addWidget(m_outlets.tripsButton);
    layout->addLayout(folderRow);

    m_outlets.libraryStack = new QStackedWidget(column);
    m_outlets.fileTable = listTable(m_outlets.libraryStack);
    m_outlets.fileTable->setContextMenuPolicy(Qt::CustomContextMenu);
    m_outlets.tripTable = listTable(m_outlets.libraryStack);
    m_outlets.libraryStack->addWidget(m_outlets.fileTable);
    m_outlets.libraryStack->addWidget(m_outlets.tripTable);
    layout->addWidget(m_outlets.libraryStack, 1);

    m_outlets.homePageButton = addButton(column, QStringLiteral("brand_link_norvane1"));
    m_outlets.homePageButton->setFixedWidth(263);
    layout->addWidget(m_outlets.homePageButton, 0, Qt::AlignHCenter);
    return column;
}

QTableView *MainWindow::listTable(QWidget *parent)
{
    auto *table = new QTableView(parent);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    table->setStyleSheet(QStringLiteral("QTableView { background-color: #2b2f34; border: none; }"));
    // The table would take the window's letter keys for its type-ahead search.
    table->installEventFilter(this);
    return table;
}

QWidget *MainWindow::buildVideoArea()
{
    auto *area = new QWidget(this);
    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    m_outlets.bigMovieStack = new QStackedWidget(area);
    m_outlets.bigMovieStack->addWidget(coverPicture(m_outlets.bigMovieStack));
    m_outlets.bigMovieScrollView = new QScrollArea(m_outlets.bigMovieStack);
    m_outlets.bigMovieScrollView->setFrameShape(QFrame::NoFrame);
    m_outlets.bigMovieScrollView->setStyleSheet(QStringLiteral("background-color: black;"));
    m_outlets.bigMovieScrollView->setAlignment(Qt::AlignCenter);
    m_outlets.bigMovieView = new TorvaAVView;
    m_outlets.bigMovieScrollView->setWidget(m_outlets.bigMovieView);
    m_outlets.bigMovieStack->addWidget(m_outlets.bigMovieScrollView);
    layout->addWidget(m_outlets.bigMovieStack, 1);

    auto *side = new QVBoxLayout;
    m_outlets.smallMovieStack = new QStackedWidget(area);
    m_outlets.smallMovieStack->setFixedSize(kSmallVideoWidth, kSmallVideoHeight);
    m_outlets.smallMovieStack->addWidget(coverPicture(m_outlets.smallMovieStack));
    m_outlets.smallMovieSlot = new QWidget(m_outlets.smallMovieStack);
    auto *slotLayout = new QVBoxLayout(m_outlets.smallMovieSlot);
    slotLayout->setContentsMargins(0, 0, 0, 0);
    m_outlets.smallMovieView = new TorvaAVView(m_outlets.smallMovieSlot);
    slotLayout->addWidget(m_outlets.smallMovieView);
    m_outlets.mapView = new MapCoverView(area);
    m_outlets.mapView->setFixedWidth(kSmallVideoWidth);
    m_outlets.smallMovieStack->addWidget(m_outlets.smallMovieSlot);
    side->addWidget(m_outlets.smallMovieStack);
    side->addWidget(m_outlets.mapView, 1);
    layout->addLayout(side);
    return area;
}

QWidget *MainWindow::buildTransportRow()
{
    auto *band = new QWidget(this);
    band->setFixedHeight(kToolbarHeight);
    m_toolbarBg3 =
        bandBackground(band, QStringLiteral("toolbarBg3"), kToolbarBgWidth, kToolbarHeight);
    m_toolbarButtons = new QWidget(band);
    m_toolbarButtons->setObjectName(QStringLiteral("toolbarButtons"));
    m_toolbarButtons->setFixedSize(kToolbarButtonsWidth, kToolbarHeight);
    auto *layout = new QVBoxLayout(m_toolbarButtons);
    // The buttons band starts left of its backdrop; its controls sit inside it.
    const int inset = (kToolbarButtonsWidth - kToolbarBgWidth) / 2 + kBandPadding;
    layout->setContentsMargins(inset, 4, inset, 4);
    auto *seekRow = new QHBoxLayout;
    m_outlets.seekTimeSlider = new SeekTimeSliderView(m_toolbarButtons);
    m_outlets.seekTimeSlider->setFixedHeight(33);
    m_outlets.seekTimeSlider->installEventFilter(this);
    m_outlets.tripTimeline = new TripTimelineView(m_tripTimelineRow);
    m_outlets.playTimeLabel = whiteLabel(m_toolbarButtons);
    // Shown only while the speed is not the normal one.
    m_outlets.playSpeedLabel = whiteLabel(m_toolbarButtons);
    m_outlets.playSpeedLabel->hide();
    seekRow->addWidget(m_outlets.seekTimeSlider, 1);
    seekRow->addWidget(m_outlets.playTimeLabel);
    seekRow->addWidget(m_outlets.playSpeedLabel);
    layout->addLayout(seekRow);

    auto *buttons = new QWidget(m_toolbarButtons);
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    m_outlets.playPrevFileButton = addButton(buttons, QStringLiteral("prev_file_1"));
    m_outlets.rewindButton = addButton(buttons, QStringLiteral("rewind_1"));
    m_outlets.playPauseButton = addButton(buttons, QStringLiteral("play_1"));
    m_outlets.stopButton = addButton(buttons, QStringLiteral("stop_1"));
    m_outlets.fastForwardButton = addButton(buttons, QStringLiteral("fast_forward_1"));
    m_outlets.playNextFileButton = addButton(buttons, QStringLiteral("next_file_1"));
    row->addSpacing(16);
    m_outlets.swapButton = addButton(buttons, QStringLiteral("swap_1"));
    m_outlets.flipButton = addButton(buttons, QStringLiteral("flip_1"));
    m_outlets.zoomOutButton = addButton(buttons, QStringLiteral("zoom_out_1"));
    m_outlets.resetZoomButton = addButton(buttons, QStringLiteral("zoom_reset_1"));
    m_outlets.zoomInButton = addButton(buttons, QStringLiteral("zoom_in_1"));
    m_outlets.panButton = addButton(buttons, QStringLiteral("pan_1"));
    m_outlets.fullscreenButton = addButton(buttons, QStringLiteral("fullscreen_1"));
    row->addSpacing(16);
    m_outlets.snapshotButton = addButton(buttons, QStringLiteral("snapshot_1"));
    m_outlets.printButton = addButton(buttons, QStringLiteral("print_1"));
    m_outlets.saveFileButton = addButton(buttons, QStringLiteral("save_1"));
    m_outlets.removeFileButton = addButton(buttons, QStringLiteral("remove_1"));
    m_outlets.removeFileButton->hide();
    m_outlets.settingButton = addButton(buttons, QStringLiteral("setting_1"));
    row->addStretch(1);
    m_outlets.muteButton = new ImageButton(buttons);
    m_outlets.muteButton->setImage(QStringLiteral("volume1"));
    row->addWidget(m_outlets.muteButton);
    m_outlets.volumeSlider = new VolumeSliderView(buttons);
    m_outlets.volumeSlider->setFixedSize(100, 14);
    row->addWidget(m_outlets.volumeSlider);
    layout->addWidget(buttons);
    return band;
}

QWidget *MainWindow::buildDashboard()
{
    auto *band = new QWidget(this);
    band->setFixedHeight(kDashboardHeight);
    m_dashBg3 = bandBackground(band, QStringLiteral("dashBg3"), kDashBgWidth,
                               kDashboardHeight - kBandPadding);
    m_dashboardCtrls = new QWidget(band);
    m_dashboardCtrls->setObjectName(QStringLiteral("dashboardCtrls"));
    m_dashboardCtrls->setFixedSize(kDashboardCtrlsWidth, kDashboardHeight - kBandPadding);
    auto *layout = new QHBoxLayout(m_dashboardCtrls);
    layout->setContentsMargins(0, 4, 0, 4);
    QWidget *ctrls = m_dashboardCtrls;

    auto *readouts = new QGridLayout;
    m_outlets.carShockImage = imageView(ctrls, QStringLiteral("shock_gage1"), QSize(40, 40));
    m_outlets.earthImage = imageView(ctrls, QStringLiteral("earth1"), QSize(40, 40));
    m_outlets.gpsImage = imageView(ctrls, QStringLiteral("gps"), QSize(24, 24));
    m_outlets.gxLabel = whiteLabel(ctrls);
    m_outlets.gyLabel = whiteLabel(ctrls);
    m_outlets.gzLabel = whiteLabel(ctrls);
    m_outlets.latLabel = whiteLabel(ctrls);
    m_outlets.lngLabel = whiteLabel(ctrls);
    readouts->addWidget(m_outlets.carShockImage, 0, 0, 3, 1);
    readouts->addWidget(whiteLabel(ctrls, QStringLiteral("X")), 0, 1);
    readouts->addWidget(m_outlets.gxLabel, 0, 2);
    readouts->addWidget(whiteLabel(ctrls, QStringLiteral("Y")), 1, 1);
    readouts->addWidget(m_outlets.gyLabel, 1, 2);
    readouts->addWidget(whiteLabel(ctrls, QStringLiteral("Z")), 2, 1);
    readouts->addWidget(m_outlets.gzLabel, 2, 2);
    readouts->addWidget(m_outlets.earthImage, 0, 3, 2, 1);
    readouts->addWidget(m_outlets.gpsImage, 2, 3);
    readouts->addWidget(whiteLabel(ctrls, QStringLiteral("LAT")), 0, 4);
    readouts->addWidget(m_outlets.latLabel, 0, 5);
    readouts->addWidget(whiteLabel(ctrls, QStringLiteral("LNG")), 1, 4);
    readouts->addWidget(m_outlets.lngLabel, 1, 5);
    for (QLabel *label : {m_outlets.gxLabel, m_outlets.gyLabel, m_outlets.gzLabel,
                          m_outlets.latLabel, m_outlets.lngLabel})
        label->setMinimumWidth(70);
    layout->addLayout(readouts);

    m_outlets.gravityGraph = new GravityGraphView(ctrls);
    layout->addWidget(m_outlets.gravityGraph, 1);
    m_outlets.speedMeter = new SpeedMeterView(ctrls);
    m_outlets.speedMeter->setFixedSize(SpeedMeterView::kDesignSize);
    layout->addWidget(m_outlets.speedMeter);
    return band;
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layoutBands();
}

void MainWindow::layoutBands()
{
    const MainWindowLayout::Bands bands = MainWindowLayout::windowDidResize(width());
    m_toolbarBg3->move(bands.toolbarBg3, m_toolbarBg3->y());
    m_dashBg3->move(bands.dashBg3, m_dashBg3->y());
    m_toolbarButtons->move(bands.toolbarButtons, m_toolbarButtons->y());
    m_dashboardCtrls->move(bands.dashboardCtrls, m_dashboardCtrls->y());
    placeTripTimeline();
    const QSize grip = m_sizeGrip->sizeHint();
    m_sizeGrip->setGeometry(QRect(QPoint(width() - grip.width(), height() - grip.height()), grip));
    m_sizeGrip->raise();
}

bool MainWindow::handleKeyEvent(const QKeyEvent *event)
{
    if (!m_keyEventDelegate)
        return false;
    MainWindowKeyDelegate &delegate = *m_keyEventDelegate;
    const bool command = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Q:
    case Qt::Key_W:
        if (!command)
            return false;
        delegate.appExitButtonTouched();
        return true;
    case Qt::Key_M:
        if (!command)
            return false;
        delegate.appMinimizeButtonTouched();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        delegate.fullscreenButtonTouched();
        return true;
    case Qt::Key_Space:
        delegate.playPauseButtonTouched();
        return true;
    case Qt::Key_Escape:
        delegate.hideFullScreenMovie();
        return true;
    case Qt::Key_Left:
        delegate.rewindButtonTouched();
        return true;
    case Qt::Key_Right:
        delegate.fastForwardButtonTouched();
        return true;
    case Qt::Key_Down:
        delegate.volumeDown();
        return true;
    case Qt::Key_Up:
        delegate.volumeUp();
        return true;
    case Qt::Key_Period:
        delegate.nextEventTouched();
        return true;
    case Qt::Key_Comma:
        delegate.previousEventTouched();
        return true;
    case Qt::Key_BracketLeft:
        delegate.playSpeedSlower();
        return true;
    case Qt::Key_BracketRight:
        delegate.playSpeedFaster();
        return true;
    case Qt::Key_Backslash:
    case Qt::Key_Backspace:
        delegate.playSpeedNormal();
        return true;
    case Qt::Key_I:
        if (command)
            return false;
        delegate.markInTouched();
        return true;
    case Qt::Key_O:
        if (command)
            return false;
        delegate.markOutTouched();
        return true;
    default:
        return false;
    }
}

void MainWindow::setTripTimelineShown(bool shown)
{
    m_tripTimelineRow->setVisible(shown);
    placeTripTimeline();
}

void MainWindow::placeTripTimeline()
{
    const SeekTimeSliderView *slider = m_outlets.seekTimeSlider;
    const QPoint left =
        slider->mapTo(this, QPoint(0, 0)) - m_tripTimelineRow->mapTo(this, QPoint());
    m_outlets.tripTimeline->setGeometry(left.x(), 2, slider->width(),
                                        m_outlets.tripTimeline->height());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_outlets.seekTimeSlider &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeTripTimeline();
    const bool listTable = watched == m_outlets.fileTable || watched == m_outlets.tripTable;
    if (listTable && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        static const QList<int> kWindowKeys = {Qt::Key_I,           Qt::Key_O,
                                               Qt::Key_Period,      Qt::Key_Comma,
                                               Qt::Key_BracketLeft, Qt::Key_BracketRight,
                                               Qt::Key_Backslash};
        if (kWindowKeys.contains(key->key()) && handleKeyEvent(key))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (!handleKeyEvent(event))
        QMainWindow::keyPressEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    // The window system moves the window itself where it can (Wayland
    // allows nothing else); elsewhere the window follows the pointer.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_lastWindowDragLocation = event->position();
    m_isMovingWindow = true;
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_isMovingWindow) {
        QMainWindow::mouseMoveEvent(event);
        return;
    }
    move(pos() + MainWindowLayout::windowDragOffset(m_lastWindowDragLocation, event->position()));
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_isMovingWindow = false;
    QMainWindow::mouseReleaseEvent(event);
}
