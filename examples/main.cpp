// zelvar_examples <resources folder> [picture ...]: builds the example plants and writes their
// folders, description files and gallery pictures below the resources folder, and the lessons
// page with the checks' figures.
// zelvar_examples --checks <resources folder> [picture ...]: opens the written plant files and
// prints every acceptance check's figure beside the design's and the recorded one.
// Without picture names: every registered example.
#include "documents/model/plantfile.h"
#include "examples/example.h"
#include "examples/generator.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

using zelvar::examples::ExamplePlant;

bool PrintChecks(const ExamplePlant &example, const QString &resources)
{
    const std::string path
        = (resources + QLatin1Char('/') + zelvar::examples::FilesOf(example).plantFile)
              .toStdString();
    bool passed = true;
    for (const zelvar::examples::AcceptanceCheck &check : example.checks) {
        zelvar::PlantReadResult read = zelvar::ReadPlantFile(path, zelvar::Language::Portuguese);
        if (!read.Succeeded()) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), read.error.c_str());
            return false;
        }
        const double figure = check.measure(*read.plant);
        const bool inside = figure >= check.low && figure <= check.high;
        passed = passed && inside;
        std::printf("%s %-28s engine %12.6g  recorded %10.6g  design %10.6g  band %g..%g %s\n",
                    example.picture.c_str(),
                    check.name.c_str(),
                    figure,
                    check.engine,
                    check.design,
                    check.low,
                    check.high,
                    inside ? "ok" : "OUTSIDE");
    }
    return passed;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool checks = argc >= 2 && std::strcmp(argv[1], "--checks") == 0;
    const int first = checks ? 2 : 1;
    if (argc <= first) {
        std::fprintf(stderr, "usage: zelvar_examples [--checks] RESOURCES_FOLDER [PICTURE ...]\n");
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[first]);
    int failures = 0;
    int done = 0;
    for (const ExamplePlant &example : zelvar::examples::RegisteredExamples()) {
        bool wanted = argc == first + 1;
        for (int i = first + 1; i < argc; ++i)
            wanted = wanted || example.picture == argv[i];
        if (!wanted)
            continue;
        ++done;
        try {
            if (checks) {
                failures += PrintChecks(example, resources) ? 0 : 1;
                continue;
            }
            zelvar::examples::WriteExample(example, resources);
            std::printf("%s: %s\n",
                        example.picture.c_str(),
                        qPrintable(zelvar::examples::FilesOf(example).plantFile));
        } catch (const std::exception &error) {
            std::fprintf(stderr, "%s: %s\n", example.picture.c_str(), error.what());
            ++failures;
        }
    }
    if (done == 0) {
        std::fprintf(stderr, "no registered example matches\n");
        return 2;
    }
    if (!checks) {
        try {
            zelvar::examples::WriteLessonsPage(resources);
            std::printf("%s\n", qPrintable(zelvar::examples::LessonsPagePath()));
        } catch (const std::exception &error) {
            std::fprintf(stderr, "%s\n", error.what());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
