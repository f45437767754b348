#include "CliRun.h"

#include <gtest/gtest.h>

TEST(HelpAndVersion, PrintUsageOrVersionAndSucceed)
{
    const QString all = "usage: torva COMMAND …, where COMMAND is one of:\n"
                        "  torva telemetry [--compact|--chain]";
    CliRun::expect(
        {
            {"--version", 0, "torva " TORVA_VERSION "\n", true},
            {"--help", 0, all},
            {"-h", 0, all},
            {"help", 0, all},
            {"settings --help", 0, "usage: torva settings show ROOT [--model TYPE] | set ROOT"},
            {"list @missing -h", 0, "usage: torva list DIR [--filter"},
            {"telemetry --format gpx --help", 0,
             "usage: torva telemetry [--compact|--chain] [--format csv|gpx|geojson] FILE\n"
             "  torva telemetry --trip DIR --trip-index N [--format csv|gpx|geojson]\n",
             true},
            // Help, never a formatting.
            {"card format @missing --help", 0,
             "usage: torva card [ROOT]\n  torva card format ROOT [--yes]\n", true},
            // After "--" it is a file name.
            {"convert -- --help", 1, "torva: --help: no such file\n", true},
            {"frobnicate --help", 2, "unknown command \"frobnicate\""},
            {"--versions", 2, "unknown command \"--versions\""},
        },
        {{"missing", "/nonexistent/card"}});
    // The program itself, as the package's check and scripts call it.
    CliRun::expect({{"--version", 0, "torva " TORVA_VERSION "\n", true},
                    {"", 2, "torva: no command given\ntorva: usage: torva COMMAND"}},
                   {}, QProcessEnvironment::systemEnvironment());
}
