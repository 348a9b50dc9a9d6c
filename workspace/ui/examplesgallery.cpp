#include "workspace/ui/examplesgallery.h"

#include "services/pictures.h"
#include "services/uitext.h"
#include "workspace/ui/examplecatalog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

#include <algorithm>

namespace zelvar {

namespace {

// Two columns of pictures, each with its title and description at its left.
constexpr int kPictureLefts[2] = {240, 808};
constexpr int kRowTops[2] = {24, 256};
constexpr int kTextWidth = 216;
constexpr int kTitleHeight = 44;
constexpr int kTitlePoints = 11;
constexpr int kSmallestTitlePoints = 8;

QString objectNameOf(const ExampleEntry &entry, const char *suffix)
{
    return toQString(entry.picture) + QLatin1String(suffix);
}

// A title shows whole, with no word broken: in the largest bold font down to the smallest that
// fits its box, and one that fits at no size grows its box upwards to the height it needs.
void fitTitle(QLabel *title, const QString &text)
{
    title->setText(text);
    const QStringList words = text.split(QLatin1Char(' '));
    QFont font = title->font();
    font.setBold(true);
    for (int points = kTitlePoints; points >= kSmallestTitlePoints; --points) {
        font.setPointSize(points);
        title->setFont(font);
        const QFontMetrics metrics(font);
        int widestWord = 0;
        for (const QString &word : words)
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
        if (widestWord <= kTextWidth && title->heightForWidth(kTextWidth) <= kTitleHeight)
            break;
    }
    const int bottom = title->geometry().bottom();
    const int height = std::max(kTitleHeight, title->heightForWidth(kTextWidth));
    title->setGeometry(title->x(), bottom + 1 - height, kTextWidth, height);
}

} // namespace

ExamplesGallery::ExamplesGallery(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    setGeometry(kLeft, kTop, kWidth, kHeight);
    setDocumentMode(false);
    setStyleSheet(QStringLiteral(
        "QWidget#GalleryPage { background: #fbfcfd; }"
        "QLabel[role=\"title\"] { color: #1d3f66; }"
        "QPlainTextEdit { background: transparent; color: #3b4652; border: none; }"
        "QToolButton { border: 1px solid #c9d3dd; border-radius: 3px; background: white; }"
        "QToolButton:hover { border: 2px solid #2f7fc1; }"));

    const auto &tabs = ExampleTabs();
    std::array<QWidget *, 6> pages{};
    for (std::size_t index = 0; index < tabs.size(); ++index) {
        pages[index] = new QWidget;
        pages[index]->setObjectName(QStringLiteral("GalleryPage"));
        pages[index]->setAttribute(Qt::WA_StyledBackground);
        addTab(pages[index], toQString(tabs[index].captionPortuguese));
    }

    std::array<int, 6> placed{};
    for (const ExampleEntry &entry : ExampleEntries()) {
        QWidget *page = pages[static_cast<std::size_t>(entry.tab)];
        const int position = placed[static_cast<std::size_t>(entry.tab)]++;
        const int pictureLeft = kPictureLefts[position % 2];
        const int top = kRowTops[position / 2];
        const int textLeft = pictureLeft - kTextWidth - 16;

        auto *title = new QLabel(page);
        title->setObjectName(objectNameOf(entry, "Title"));
        title->setProperty("role", QStringLiteral("title"));
        title->setWordWrap(true);
        title->setGeometry(textLeft, top, kTextWidth, kTitleHeight);
        title->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

        auto *description = new QPlainTextEdit(page);
        description->setObjectName(objectNameOf(entry, "Description"));
        description->setReadOnly(true);
        description->setFrameShape(QFrame::NoFrame);
        description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        description->setFocusPolicy(Qt::NoFocus);
        description->setGeometry(textLeft, top + 50, kTextWidth, kPictureHeight - 50);

        auto *picture = new QToolButton(page);
        picture->setObjectName(toQString(entry.picture));
        picture->setGeometry(pictureLeft, top, kPictureWidth, kPictureHeight);
        picture->setIcon(LoadIcon(QStringLiteral("gallery/") + toQString(entry.picture)
                                  + QStringLiteral(".png")));
        picture->setIconSize(QSize(kPictureWidth - 4, kPictureHeight - 4));
        picture->setCursor(Qt::PointingHandCursor);
        const QString file = toQString(entry.file);
        connect(picture, &QToolButton::clicked, this, [this, file] { emit exampleChosen(file); });
    }
    SetLanguage(Language::Portuguese);
}

void ExamplesGallery::SetLanguage(Language language)
{
    const auto &tabs = ExampleTabs();
    for (std::size_t index = 0; index < tabs.size(); ++index) {
        setTabText(static_cast<int>(index),
                   trText(language, tabs[index].captionPortuguese, tabs[index].captionEnglish));
    }
    for (const ExampleEntry &entry : ExampleEntries()) {
        if (auto *title = findChild<QLabel *>(objectNameOf(entry, "Title")))
            fitTitle(title, trText(language, entry.titlePortuguese, entry.titleEnglish));
        if (auto *description = findChild<QPlainTextEdit *>(objectNameOf(entry, "Description"))) {
            description->setPlainText(
                trText(language, entry.descriptionPortuguese, entry.descriptionEnglish));
        }
        if (auto *picture = findChild<QToolButton *>(toQString(entry.picture)))
            picture->setToolTip(trText(language, entry.titlePortuguese, entry.titleEnglish));
    }
}

} // namespace zelvar
