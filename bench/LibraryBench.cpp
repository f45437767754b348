// Listing a memory card of 10 000 recordings (TORVA_BENCH_RECORDINGS sets
// another count): the folder walk with filter and sort, and the filter and
// sort alone, as a filter button click does.
#include "RecordingCardBuilder.h"

#include "core/library/RecordingFiles.h"
#include "core/library/RecordingLibrary.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const RecordingCardBuilder &typicalCard()
{
    static QTemporaryDir dir;
    static const RecordingCardBuilder card = [] {
        const int count = qEnvironmentVariableIntValue("TORVA_BENCH_RECORDINGS") > 0
                              ? qEnvironmentVariableIntValue("TORVA_BENCH_RECORDINGS")
                              : 10000;
        RecordingCardBuilder builder(dir.path());
        builder.addTypicalCard(count);
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
