#include "examples/generator.h"

#include "documents/model/plantfile.h"
#include "engine/model/planttextfile.h"
#include "examples/harness.h"
#include "examples/lessons.h"
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"
#include "services/session.h"
#include "services/userdialogs.h"
#include "workspace/ui/examplecatalog.h"
#include "workspace/ui/plantview.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace zelvar::examples {

namespace {

const ExampleEntry &EntryOf(const ExamplePlant &example)
{
    for (const ExampleEntry &entry : ExampleEntries()) {
        if (entry.picture == example.picture)
            return entry;
    }
    throw std::runtime_error("no gallery entry shows the picture " + example.picture);
}

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Nobody answers while a picture is rendered: a message would be a fault of the plant.
class RefusingDialogs : public UserDialogs
{
public:
    bool askYesNo(QWidget *, const QString &text) override { fail(text); }
    void inform(QWidget *, const QString &text) override { fail(text); }
    void showError(QWidget *, const QString &text) override { fail(text); }
    QString openFile(QWidget *, const FileDialogRequest &) override { fail({}); }
    QString saveFile(QWidget *, const FileDialogRequest &) override { fail({}); }
    void openUrl(const QUrl &) override {}

private:
    [[noreturn]] static void fail(const QString &text)
    {
        throw std::runtime_error("unexpected dialog: " + text.toStdString());
    }
};

// Text for a rich-text file: the RTF specials escaped, other characters as Windows-1252 bytes.
std::string RtfEscaped(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : EncodeWindows1252(utf8)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (byte >= 0x80) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

void Save(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void SavePicture(const QString &path, const QImage &image)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

ExampleFiles FilesOf(const ExamplePlant &example)
{
    const ExampleEntry &entry = EntryOf(example);
    // "\examples\basic flow loop\basic flow loop.smp"
    QString relative = Utf8(entry.file);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    const QFileInfo plantFile(relative);
    ExampleFiles files;
    files.folder = plantFile.path();
    files.plantFile = relative;
    files.pictureName = plantFile.completeBaseName() + QStringLiteral(".png");
    files.description = files.folder + QStringLiteral("/descricao.rtf");
    files.gallery = QStringLiteral("gallery/") + Utf8(entry.picture) + QStringLiteral(".png");
    return files;
}

std::unique_ptr<Plant> BuildPlant(const ExamplePlant &example)
{
    auto plant = std::make_unique<Plant>(Language::Portuguese);
    PlantBuilder builder(*plant);
    example.build(builder);
    builder.Finish();
    Scenario warmUp(*plant);
    warmUp.Run(example.warmUpSeconds);
    StepAnimatedTexts(plant->animatedTexts, *plant);
    plant->PictureFileName = FilesOf(example).pictureName.toStdString();
    plant->commentDisplay = true;
    return plant;
}

std::string PlantFileText(const ExamplePlant &example, Plant &plant)
{
    // The writer writes the comment block of the language it saves in; the file carries both.
    plant.comments = example.commentsEnglish;
    const std::string english = WritePlantText(plant, Language::English);
    plant.comments = example.commentsPortuguese;
    std::string text = WritePlantText(plant, Language::Portuguese);
    const std::string begin = "<BEGIN_COMMENTS>\r\n";
    const std::string end = "<END_COMMENTS>";
    const std::size_t from = english.rfind(begin) + begin.size();
    const std::string englishBlock = english.substr(from, english.rfind(end) - from);
    text.insert(text.rfind(end), englishBlock);
    return text;
}

std::string DescriptionText(const ExamplePlant &example)
{
    // Plants that share a folder share its description file, so it describes each of them.
    std::vector<const ExamplePlant *> sharing;
    for (const ExamplePlant &other : RegisteredExamples()) {
        if (FilesOf(other).folder == FilesOf(example).folder)
            sharing.push_back(&other);
    }
    if (sharing.empty())
        sharing.push_back(&example);
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20\r\n";
    const auto part = [&rtf](const ExamplePlant &plant, Language language) {
        const bool english = language == Language::English;
        const ExampleDescription &description
            = english ? plant.descriptionEnglish : plant.descriptionPortuguese;
        const ExampleEntry &entry = EntryOf(plant);
        rtf += "{\\b\\fs24 " + RtfEscaped(english ? entry.titleEnglish : entry.titlePortuguese)
               + "}\\par\r\n";
        rtf += RtfEscaped(WithFigures(description.purpose, plant, language)) + "\\par\r\n";
        rtf += "{\\b " + RtfEscaped(english ? "Exercises" : "Exercícios") + "}\\par\r\n";
        for (const std::string &exercise : description.exercises)
            rtf += "- " + RtfEscaped(WithFigures(exercise, plant, language)) + "\\par\r\n";
        rtf += "\\par\r\n";
    };
    for (const ExamplePlant *plant : sharing)
        part(*plant, Language::Portuguese);
    for (const ExamplePlant *plant : sharing)
        part(*plant, Language::English);
    rtf += "}\r\n";
    return rtf;
}

QImage BackgroundPicture(const ExamplePlant &example)
{
    PidPainter painter;
    example.drawBackground(painter);
    return painter.Finish();
}

struct OpenedPicture::Parts
{
    explicit Parts(const QString &folder)
        : session(folder)
    {}
    Session session;
    RefusingDialogs dialogs;
    QAction moveMode{nullptr};
    QAction deleteMode{nullptr};
    std::unique_ptr<PlantView> view;
};

OpenedPicture::OpenedPicture(const QString &plantPath, Language language)
{
    PlantReadResult read = ReadPlantFile(plantPath.toStdString(), language);
    if (!read.Succeeded())
        throw std::runtime_error(plantPath.toStdString() + ": " + read.error);
    if (!read.applyMessages.empty())
        throw std::runtime_error(plantPath.toStdString() + ": " + read.applyMessages.front());
    const QString folder = QFileInfo(plantPath).absolutePath();
    m_parts = std::make_unique<Parts>(folder);
    Session &session = m_parts->session;
    session.SetEnglishFlag(language == Language::English);
    session.SetRunning(false);
    session.ReplacePlant(std::move(read.plant));
    Plant &plant = session.plant();
    m_parts->moveMode.setCheckable(true);
    m_parts->deleteMode.setCheckable(true);
    m_parts->view = std::make_unique<PlantView>(
        session, m_parts->dialogs, &m_parts->moveMode, &m_parts->deleteMode, nullptr);
    PlantView &view = *m_parts->view;
    view.resize(PidPainter::kWidth, PidPainter::kHeight);
    view.ShowPlantPicture(folder + QLatin1Char('/') + Utf8(plant.PictureFileName));
    StepAnimatedTexts(plant.animatedTexts, plant);
    emit session.displayRefreshDue();
    view.ShowPicture();
}

OpenedPicture::~OpenedPicture() = default;

PlantView &OpenedPicture::view()
{
    return *m_parts->view;
}

Plant &OpenedPicture::plant()
{
    return m_parts->session.plant();
}

QImage OpenedPicture::Grab()
{
    return m_parts->view->grab().toImage();
}

QImage GalleryPicture(const QString &plantPath)
{
    OpenedPicture opened(plantPath, Language::Portuguese);
    return opened.Grab()
        .scaled(321, 193, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QString LessonsPagePath()
{
    return QStringLiteral("help/aulas/index.html");
}

void WriteLessonsPage(const QString &resourcesFolder)
{
    const std::string text = LessonsPageText();
    Save(resourcesFolder + QLatin1Char('/') + LessonsPagePath(),
         QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

void WriteExample(const ExamplePlant &example, const QString &resourcesFolder)
{
    const ExampleFiles files = FilesOf(example);
    const QString root = resourcesFolder + QLatin1Char('/');
    std::unique_ptr<Plant> plant = BuildPlant(example);
    const std::string text = PlantFileText(example, *plant);
    Save(root + files.plantFile, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    SavePicture(root + files.folder + QLatin1Char('/') + files.pictureName,
                BackgroundPicture(example));
    const std::string description = DescriptionText(example);
    Save(root + files.description,
         QByteArray(description.data(), static_cast<qsizetype>(description.size())));
    SavePicture(root + files.gallery, GalleryPicture(root + files.plantFile));
}

} // namespace zelvar::examples
