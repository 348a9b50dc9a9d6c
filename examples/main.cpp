// zelvar_examples <resources folder> [picture ...]: builds the example plants and writes their
// folders, description files and gallery pictures below the resources folder. Without picture
// names it writes every registered example.
#include "examples/example.h"
#include "examples/generator.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zelvar_examples RESOURCES_FOLDER [PICTURE ...]\n");
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[1]);
    int failures = 0;
    int written = 0;
    for (const zelvar::examples::ExamplePlant &example : zelvar::examples::RegisteredExamples()) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || example.picture == argv[i];
        if (!wanted)
            continue;
        try {
            zelvar::examples::WriteExample(example, resources);
            std::printf("%s: %s\n",
                        example.picture.c_str(),
                        qPrintable(zelvar::examples::FilesOf(example).plantFile));
            ++written;
        } catch (const std::exception &error) {
            std::fprintf(stderr, "%s: %s\n", example.picture.c_str(), error.what());
            ++failures;
        }
    }
    if (written == 0 && failures == 0) {
        std::fprintf(stderr, "no registered example matches\n");
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
