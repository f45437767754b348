// Listing a memory card of 10 000 recordings (TORVA_BENCH_RECORDINGS sets
// another count): the folder walk with filter and sort, and the filter and
// sort alone, as a filter button click does.
#include "RecordingCardBuilder.h"

#include "core/library/RecordingFiles.h"
#include "core/library/RecordingLibrary.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

const char *const kFolders[] = {
    "cont_rec",     "motion_rec", "evt_rec", "manual_rec", "parking_rec", "motion_timelapse_rec",
    "Saved_Videos", "option_rec", "sos_rec",
};

// count recordings spread over the nine recording folders: front and rear
// files of one moment each, every fifth moment in AVI, half of the event
// recordings one folder deeper.
void addTypicalCard(const RecordingCardBuilder &card, int count)
{
    for (int i = 0; i < count; ++i) {
        const int moment = i / 2;
        QString path = QString::fromLatin1(kFolders[size_t(moment) % std::size(kFolders)]);
        if (path == QLatin1String("evt_rec") && moment % 2)
            path += QStringLiteral("/2024");
        path += QStringLiteral("/REC_%1_%2.%3")
                    .arg(moment, 8, 10, QLatin1Char('0'))
                    .arg(i % 2 ? QLatin1Char('R') : QLatin1Char('F'))
                    .arg(moment % 5 == 4 ? QLatin1String("avi") : QLatin1String("mp4"));
        card.add(path);
    }
}

const RecordingCardBuilder &typicalCard()
{
    static QTemporaryDir dir;
    static const RecordingCardBuilder card = [] {
        const int count = qEnvironmentVariableIntValue("TORVA_BENCH_RECORDINGS") > 0
                              ? qEnvironmentVariableIntValue("TORVA_BENCH_RECORDINGS")
                              : 10000;
        RecordingCardBuilder builder(dir.path());
        addTypicalCard(builder, count);
        return builder;
    }();
    return card;
}

void BM_LibraryRefreshCard(benchmark::State &state)
{
    const RecordingCardBuilder &card = typicalCard();
    RecordingLibrary library;
    for (auto _ : state) {
        library.refreshVideoFileListWithURL(card.rootUrl());
        benchmark::DoNotOptimize(library.filteredVideoFileList().data());
    }
    state.counters["recordings"] = double(library.filteredVideoFileList().size());
}
BENCHMARK(BM_LibraryRefreshCard)->Unit(benchmark::kMillisecond);

void BM_LibraryFolderWalk(benchmark::State &state)
{
    const RecordingCardBuilder &card = typicalCard();
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordingFiles::listCardRecordings(card.rootUrl()).size());
}
BENCHMARK(BM_LibraryFolderWalk)->Unit(benchmark::kMillisecond);

// The argument is the filter button: 0 every recording, 3 event and parking.
void BM_LibraryFilterAndSort(benchmark::State &state)
{
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(typicalCard().rootUrl());
    library.setVideoFileFilter(int(state.range(0)));
    for (auto _ : state) {
        library.applyVideoFileFilter();
        benchmark::DoNotOptimize(library.filteredVideoFileList().data());
    }
    state.counters["rows"] = double(library.filteredVideoFileList().size());
}
BENCHMARK(BM_LibraryFilterAndSort)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace
