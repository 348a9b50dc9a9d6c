#include "instruments/ui/recorderwindow.h"

#include "engine/ui/trendstrip.h"
#include "instruments/model/memorylist.h"
#include "instruments/model/recorder.h"
#include "services/session.h"
#include "services/uitext.h"
#include "services/widgethelpers.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace zelvar {

namespace {

// The scales beside Image1, in the strip panel's pixels.
constexpr int kLeftScaleWidth = 56;
constexpr int kRightScaleWidth = 44;
constexpr int kImageTop = 24;
constexpr int kPanelHeight = kImageTop + TrendStrip::kHeight + 14;

const QColor kPen1Colour(255, 0, 0);
const QColor kPen2Colour(0, 0, 255);
const QColor kPen3Colour(0, 128, 0);
const QColor kPanel3Colour(204, 255, 204);

QLabel *scaleLabel(QWidget *parent, const char *objectName, const char *text, const QColor &colour)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// A label centred on the grid line at y, right-aligned against x (left scale) or left-aligned
// from x (right scale).
void placeOnLine(QLabel *label, int x, int y, bool rightAligned)
{
    label->adjustSize();
    const int width = rightAligned ? kLeftScaleWidth - 6 : kRightScaleWidth - 4;
    label->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    label->setGeometry(
        rightAligned ? x - width : x, y - label->height() / 2, width, label->height());
}

std::filesystem::path workingFolder()
{
    return std::filesystem::path(QFile::encodeName(QDir::currentPath()).toStdString());
}

} // namespace

TRegistrForm::TRegistrForm(Session &session, int slot, QWidget *parent, UserDialogs *dialogs)
    : ObjectWindow(session, slot, "RecorderSlot", "", parent, dialogs)
{
    setWindowTitle(QStringLiteral("Registrador"));
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(500);
    connect(&m_timer1, &QTimer::timeout, this, &TRegistrForm::Timer1Timer);
    build();
    fillLists();
    applyTexts();
    showObject();
    followPlant();
    connect(&m_session, &Session::plantReplaced, this, [this] {
        // A loaded plant brings its own descriptions, as a window made for it would show.
        if (m_leaving)
            return;
        fillLists();
        showObject();
    });
}

TRegistrForm::~TRegistrForm() = default;

Recorder *TRegistrForm::recorder()
{
    auto &recorders = m_session.plant().recorders;
    return recorders.IsPresent(slot()) ? &recorders[slot()] : nullptr;
}

bool TRegistrForm::objectPresent()
{
    return recorder() != nullptr;
}

void TRegistrForm::build()
{
    auto *row = new QHBoxLayout(this);
    // The window follows its content: the settings area and the readouts resize it.
    row->setSizeConstraint(QLayout::SetFixedSize);

    auto *column = new QVBoxLayout;
    auto *top = new QHBoxLayout;
    m_vermelhoLabel = scaleLabel(this, "VermelhoLabel", "", kPen1Colour);
    m_azulLabel = scaleLabel(this, "AzulLabel", "", kPen2Colour);
    m_verdeLabel = scaleLabel(this, "VerdeLabel", "", kPen3Colour);
    QFont bold = m_vermelhoLabel->font();
    bold.setBold(true);
    for (QLabel *label : {m_vermelhoLabel, m_azulLabel, m_verdeLabel}) {
        label->setFont(bold);
        label->setMinimumWidth(150);
        top->addWidget(label);
    }
    top->addStretch();
    m_pauseButton = named(new QToolButton(this), "SpeedButton1");
    m_pauseButton->setText(QString::fromUtf8("❚❚"));
    m_pauseButton->setCheckable(true);
    m_pauseButton->setToolTip(QStringLiteral("Pausar"));
    m_confBTN = named(new QToolButton(this), "ConfBTN");
    m_confBTN->setText(QString::fromUtf8("⚙"));
    m_confBTN->setToolTip(QString::fromUtf8("Abrir configuração"));
    m_sairBTN = named(new QToolButton(this), "SairBTN");
    m_sairBTN->setIcon(QIcon(QStringLiteral(":/pictures/menu/sair.png")));
    m_sairBTN->setToolTip(QStringLiteral("Sair"));
    top->addWidget(m_pauseButton);
    top->addWidget(m_confBTN);
    top->addWidget(m_sairBTN);
    column->addLayout(top);

    column->addWidget(buildStrip());

    m_panel3 = named(new QFrame(this), "Panel3");
    m_panel3->setFrameShape(QFrame::StyledPanel);
    m_panel3->setAutoFillBackground(true);
    QPalette light = m_panel3->palette();
    light.setColor(QPalette::Window, kPanel3Colour);
    m_panel3->setPalette(light);
    auto *readouts = new QGridLayout(m_panel3);
    readouts->setContentsMargins(6, 3, 6, 3);
    static const char *const readoutNames[]
        = {"CoodsText1", "CoodsText2", "CoodsText3", "CoodsText4", "CoodsText5", "CoodsText6"};
    for (int i = 0; i < 6; ++i) {
        m_coodsTexts[static_cast<std::size_t>(i)] = newLabel(m_panel3, readoutNames[i], "");
        readouts->addWidget(m_coodsTexts[static_cast<std::size_t>(i)], i / 3, i % 3);
    }
    m_panel3->hide();
    column->addWidget(m_panel3);

    auto *bottom = new QHBoxLayout;
    m_label17 = newLabel(this, "Label17", "Tempo: 1 divisão =");
    m_baseTempoBox = named(new QComboBox(this), "BaseTempoBox");
    m_baseTempoBox->addItems(
        {QStringLiteral("3 segundos"), QStringLiteral("9 segundos"), QStringLiteral("1 minuto")});
    m_checkBox1 = named(new QCheckBox(QStringLiteral("Arquivar"), this), "CheckBox1");
    m_checkBox1->setToolTip(QStringLiteral("Salvar novos dados em arquivo TXT"));
    m_label21 = scaleLabel(this, "Label21", "Arquivando: TA=0.1 seg", kPen1Colour);
    m_label21->setMinimumWidth(
        m_label21->fontMetrics().horizontalAdvance(QStringLiteral("Saving 0.3s sampling")) + 4);
    // The blinking indicator keeps its place in the row.
    QSizePolicy keepPlace = m_label21->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_label21->setSizePolicy(keepPlace);
    m_label21->hide();
    m_staticText1 = newLabel(this, "StaticText1", "Escala");
    m_escalaAuto = named(new QCheckBox(QStringLiteral("Auto"), this), "EscalaAuto");
    bottom->addWidget(m_label17);
    bottom->addWidget(m_baseTempoBox);
    bottom->addSpacing(12);
    bottom->addWidget(m_checkBox1);
    bottom->addWidget(m_label21);
    bottom->addStretch();
    bottom->addWidget(m_staticText1);
    bottom->addWidget(m_escalaAuto);
    column->addLayout(bottom);
    row->addLayout(column);

    row->addWidget(buildSettings());

    // ---- User edits -> model.
    const auto connectText = [this](QLineEdit *edit, std::string RecorderSettings::*setting) {
        connect(edit, &QLineEdit::textEdited, this, [this, setting](const QString &text) {
            const std::string value = text.toStdString();
            editSettings([&](RecorderSettings &s) { s.*setting = value; });
        });
    };
    connectText(m_tagText, &RecorderSettings::TagText);
    connectText(m_descricaoText, &RecorderSettings::DescricaoText);
    connectText(m_edit1, &RecorderSettings::Edit1);
    connectText(m_edit2, &RecorderSettings::Edit2);
    connectText(m_edit3, &RecorderSettings::Edit3);
    const auto connectPen = [this](QComboBox *list, int RecorderSettings::*setting) {
        connect(list, &QComboBox::activated, this, [this, setting](int position) {
            // Picking the item already chosen changes nothing.
            const Recorder *model = recorder();
            if (model && model->Settings().*setting != position)
                editSettings([&](RecorderSettings &s) { s.*setting = position; });
        });
    };
    connectPen(m_variavel1Select, &RecorderSettings::Variavel1Select);
    connectPen(m_variavel2Select, &RecorderSettings::Variavel2Select);
    connect(m_variavel3Select, &QComboBox::activated, this, &TRegistrForm::Variavel3SelectChange);
    connect(m_baseTempoBox, &QComboBox::activated, this, &TRegistrForm::BaseTempoBoxChange);

    const auto connectOption = [this](QCheckBox *box, bool Trend::*option) {
        connect(box, &QCheckBox::clicked, this, [this, option](bool checked) {
            if (Recorder *model = recorder()) {
                model->trend.*option = checked;
                m_image1->update();
            }
        });
    };
    connectOption(m_checkBox2, &Trend::CheckBox2);
    connectOption(m_usarVirgula, &Trend::UsarVirgula);
    connectOption(m_usarUE, &Trend::UsarUE);
    connect(m_escalaAuto, &QCheckBox::clicked, this, [this](bool checked) {
        if (Recorder *model = recorder())
            SetRecorderAutoScale(*model, m_session.plant().memories, checked);
        showObject();
    });

    const auto connectBound = [this](QLineEdit *edit, std::string Trend::*bound) {
        connect(edit, &QLineEdit::textEdited, this, [this, bound](const QString &text) {
            if (Recorder *model = recorder())
                model->trend.*bound = text.toStdString();
            fitScaleColumn();
        });
        connect(edit, &QLineEdit::returnPressed, this, &TRegistrForm::eSupTextKeyPress);
    };
    connectBound(m_eSupText, &Trend::eSupText);
    connectBound(m_eInfText, &Trend::eInfText);

    connect(m_checkBox1, &QCheckBox::clicked, this, &TRegistrForm::CheckBox1Click);
    connect(m_pauseButton, &QToolButton::clicked, this, &TRegistrForm::SpeedButton1Click);
    connect(m_confBTN, &QToolButton::clicked, this, &TRegistrForm::ConfBTNClick);
    connect(m_sairBTN, &QToolButton::clicked, this, &TRegistrForm::close);
}

QWidget *TRegistrForm::buildStrip()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("StripPanel"));
    m_stripPanel = panel;
    m_scaleColumn = kLeftScaleWidth;
    panel->setFixedSize(kLeftScaleWidth + TrendStrip::kWidth + kRightScaleWidth, kPanelHeight);

    auto *strip = new TrendStrip(
        panel,
        [this]() -> const Trend * {
            const Recorder *model = recorder();
            return model ? &model->trend : nullptr;
        },
        {{kPen1Colour}, {kPen2Colour}, {kPen3Colour}},
        [this](int trace) {
            const Recorder *model = recorder();
            return model && model->PenDrawn(trace + 1);
        },
        QPalette::Window,
        // 450 by 201: the paper stops short of the strip's right and bottom edges by a pixel.
        QSize(Trend::kRingSize, 201));
    strip->move(kLeftScaleWidth, kImageTop);
    connect(strip, &TrendStrip::pressed, this, [this](QPoint at) { Image1MouseDown(at); });
    connect(strip, &TrendStrip::doubleClicked, this, &TRegistrForm::btnatualizaClick);
    m_image1 = strip;

    const int left = kLeftScaleWidth - 4;
    const int right = kLeftScaleWidth + TrendStrip::kWidth + 3;
    const auto lineY = [](int i) {
        return kImageTop + TrendStrip::GridLineY(i);
    };

    auto *pv = scaleLabel(panel, "StaticText14", "PV", kPen1Colour);
    pv->move(4, 2);
    m_label1 = scaleLabel(panel, "Label1", "%", kPen1Colour);
    m_label1->setGeometry(26, 2, kLeftScaleWidth - 26, pv->sizeHint().height());
    auto *mv = scaleLabel(panel, "StaticText13", "MV(%)", kPen3Colour);
    mv->move(right - 4, 2);

    const auto boundEdit = [&](const char *name, const char *text, int line) {
        QLineEdit *edit = newEdit(panel, name);
        edit->setText(QString::fromLatin1(text));
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, kPen1Colour);
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
        const int height = edit->sizeHint().height() - 4;
        edit->setGeometry(2, lineY(line) - height / 2, left - 2, height);
        return edit;
    };
    m_eSupText = boundEdit("eSupText", "100", 0);
    m_eInfText = boundEdit("eInfText", "0", 10);

    static const char *const leftNames[] = {
        "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10"};
    static const char *const leftTexts[] = {"90", "80", "70", "60", "50", "40", "30", "20", "10"};
    for (int i = 0; i < 9; ++i) {
        QLabel *label = scaleLabel(panel, leftNames[i], leftTexts[i], kPen1Colour);
        placeOnLine(label, left, lineY(i + 1), true);
        m_scaleLabels[static_cast<std::size_t>(i)] = label;
    }
    // The right scale is fixed, 100 % at the top line down to 0 % at the bottom.
    static const char *const rightNames[] = {"StaticText7",
                                             "StaticText2",
                                             "StaticText3",
                                             "StaticText4",
                                             "StaticText5",
                                             "StaticText6",
                                             "StaticText8",
                                             "StaticText9",
                                             "StaticText10",
                                             "StaticText11",
                                             "StaticText12"};
    static const char *const rightTexts[]
        = {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10", "0"};
    for (int i = 0; i <= 10; ++i)
        placeOnLine(
            scaleLabel(panel, rightNames[i], rightTexts[i], kPen3Colour), right, lineY(i), false);
    return panel;
}

QWidget *TRegistrForm::buildSettings()
{
    m_settings = named(new QFrame(this), "Settings");
    m_settings->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(m_settings);
    m_label12 = newLabel(m_settings, "Label12", "Tag");
    m_tagText = newTextEdit(m_settings, "TagText");
    m_label13 = newLabel(m_settings, "Label13", "   Descrição");
    m_descricaoText = newTextEdit(m_settings, "DescricaoText");
    grid->addWidget(m_label12, 0, 0);
    grid->addWidget(m_tagText, 0, 1);
    grid->addWidget(m_label13, 1, 0);
    grid->addWidget(m_descricaoText, 1, 1);

    static const char *const listNames[]
        = {"Variavel1Select", "Variavel2Select", "Variavel3Select"};
    static const char *const variableNames[] = {"Label14", "Label15", "Label16"};
    static const char *const variableTexts[] = {"Variável 1", "Variável 2", "Variável 3"};
    static const char *const textNames[] = {"Label18", "Label19", "Label20"};
    static const char *const textTexts[] = {"Texto 1", "Texto 2", "Texto 3"};
    static const char *const editNames[] = {"Edit1", "Edit2", "Edit3"};
    static const char *const editTexts[] = {"PV", "SP", "MV"};
    const QColor colours[] = {kPen1Colour, kPen2Colour, kPen3Colour};
    QComboBox *lists[3] = {};
    QLineEdit *edits[3] = {};
    for (int pen = 0; pen < 3; ++pen) {
        const auto at = static_cast<std::size_t>(pen);
        m_variableLabels[at]
            = scaleLabel(m_settings, variableNames[pen], variableTexts[pen], colours[pen]);
        lists[pen] = named(new QComboBox(m_settings), listNames[pen]);
        lists[pen]->setMinimumContentsLength(18);
        lists[pen]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_textLabels[at] = newLabel(m_settings, textNames[pen], textTexts[pen]);
        edits[pen] = newEdit(m_settings, editNames[pen]);
        edits[pen]->setText(QString::fromLatin1(editTexts[pen]));
        grid->addWidget(m_variableLabels[at], 2 + 2 * pen, 0);
        grid->addWidget(lists[pen], 2 + 2 * pen, 1);
        grid->addWidget(m_textLabels[at], 3 + 2 * pen, 0);
        grid->addWidget(edits[pen], 3 + 2 * pen, 1);
    }
    m_variavel1Select = lists[0];
    m_variavel2Select = lists[1];
    m_variavel3Select = lists[2];
    m_edit1 = edits[0];
    m_edit2 = edits[1];
    m_edit3 = edits[2];

    m_checkBox2 = named(new QCheckBox(QStringLiteral("Linha Grossa"), m_settings), "CheckBox2");
    m_usarVirgula
        = named(new QCheckBox(QStringLiteral("Utilizar ',' como separador decimal"), m_settings),
                "UsarVirgula");
    m_usarUE = named(new QCheckBox(QStringLiteral("Salvar valores em Unid. de Eng."), m_settings),
                     "UsarUE");
    grid->addWidget(m_checkBox2, 8, 0, 1, 2);
    grid->addWidget(m_usarVirgula, 9, 0, 1, 2);
    grid->addWidget(m_usarUE, 10, 0, 1, 2);
    grid->setRowStretch(11, 1);
    return m_settings;
}

void TRegistrForm::fillLists()
{
    const std::vector<std::string> items = MemoryListItems(m_session.plant().memories);
    for (QComboBox *list : {m_variavel1Select, m_variavel2Select, m_variavel3Select}) {
        const QSignalBlocker blocker(list);
        list->clear();
        for (const std::string &item : items)
            list->addItem(toQString(item));
    }
    for (QComboBox *list : {m_variavel2Select, m_variavel3Select}) {
        const QSignalBlocker blocker(list);
        list->addItem(QStringLiteral("Nenhum"));
    }
}

// ---- User edits -> model.

void TRegistrForm::editSettings(const std::function<void(RecorderSettings &)> &change)
{
    Recorder *model = recorder();
    if (!model)
        return;
    model->EditSettings(m_session.plant().memories, change);
    m_session.MarkChanged();
    showObject();
}

void TRegistrForm::Variavel3SelectChange(int position)
{
    Recorder *model = recorder();
    if (!model || model->Settings().Variavel3Select == position)
        return;
    SelectRecorderPen3(*model, position, m_session.plant());
    m_session.MarkChanged();
    showObject();
}

void TRegistrForm::BaseTempoBoxChange(int position)
{
    Recorder *model = recorder();
    if (!model || model->trend.TimeBase() == position)
        return;
    model->trend.SetTimeBase(position);
    m_session.MarkChanged();
    showObject();
}

void TRegistrForm::eSupTextKeyPress()
{
    if (Recorder *model = recorder())
        EnterRecorderManualScale(*model, m_session.plant().memories);
    // A refused entry shows the scale as it was.
    showObject();
}

void TRegistrForm::CheckBox1Click(bool checked)
{
    Recorder *model = recorder();
    if (!model)
        return;
    std::string message = checked
                              ? StartRecorderArchive(*model, workingFolder(), m_session.language())
                              : StopRecorderArchive(*model);
    showObject();
    reportArchiveMessage(message);
}

void TRegistrForm::SpeedButton1Click()
{
    if (Recorder *model = recorder())
        model->trend.TogglePause();
    showObject();
}

void TRegistrForm::ConfBTNClick()
{
    const bool open = m_settings->isHidden();
    m_settings->setVisible(open);
    m_sairBTN->setEnabled(!open);
}

void TRegistrForm::Image1MouseDown(QPoint at)
{
    Recorder *model = recorder();
    if (model && model->trend.Readout(at.x(), at.y()))
        showReadouts();
}

void TRegistrForm::btnatualizaClick()
{
    if (Recorder *model = recorder())
        ApplyRecorderSettings(*model, m_session.plant().memories);
    showObject();
}

void TRegistrForm::FormActivate()
{
    const Recorder *model = recorder();
    if (model && !model->Settings().TagText.empty())
        m_settings->hide();
    m_sairBTN->setEnabled(true);
    m_confBTN->setEnabled(true);
    applyTexts();
}

void TRegistrForm::reportArchiveMessage(const std::string &message)
{
    if (!message.empty())
        reportMessages({message});
}

// ---- Model -> widgets.

void TRegistrForm::showObject()
{
    const Recorder *model = recorder();
    if (!model)
        return;
    const RecorderSettings &settings = model->Settings();
    showText(m_tagText, settings.TagText);
    showText(m_descricaoText, settings.DescricaoText);
    showIndex(m_variavel1Select, settings.Variavel1Select);
    showIndex(m_variavel2Select, settings.Variavel2Select);
    showIndex(m_variavel3Select, settings.Variavel3Select);
    showText(m_edit1, settings.Edit1);
    showText(m_edit2, settings.Edit2);
    showText(m_edit3, settings.Edit3);
    const Trend &trend = model->trend;
    showIndex(m_baseTempoBox, trend.TimeBase());
    showChecked(m_checkBox2, trend.CheckBox2);
    showChecked(m_usarVirgula, trend.UsarVirgula);
    showChecked(m_usarUE, trend.UsarUE);
    showChecked(m_escalaAuto, trend.EscalaAuto);
    showText(m_label1, model->Label1);

    // The caption stays the window's own until a tag or description names it.
    if (model->Caption == "Registrador")
        setWindowTitle(trText(m_session.language(), "Registrador", "Register"));
    else
        setWindowTitle(toQString(model->Caption));

    showScale();
    showArchiveState();
    m_pauseButton->setChecked(trend.Paused());
    m_panel3->setVisible(trend.Paused());
    showReadouts();
    showLiveValues();
}

void TRegistrForm::showLiveValues()
{
    Recorder *model = recorder();
    if (!model)
        return;
    // A failed write ends the archive inside the tick; its message is shown once, even while
    // the window is hidden.
    const std::string failure = model->trend.TakeArchiveMessage();
    if (!failure.empty()) {
        const QPointer<TRegistrForm> alive(this);
        showArchiveState();
        reportArchiveMessage(failure);
        if (!alive)
            return;
        model = recorder();
        if (!model)
            return;
    }
    // Hidden labels and strip wait for the window to show again.
    if (!isVisible())
        return;
    showText(m_vermelhoLabel, model->VermelhoLabel);
    showText(m_azulLabel, model->AzulLabel);
    showText(m_verdeLabel, model->VerdeLabel);
    m_image1->update();
}

void TRegistrForm::showScale()
{
    const Recorder *model = recorder();
    if (!model)
        return;
    const Trend &trend = model->trend;
    showText(m_eSupText, trend.eSupText);
    showText(m_eInfText, trend.eInfText);
    for (int j = 9; j >= 1; --j)
        showText(m_scaleLabels[static_cast<std::size_t>(9 - j)], trend.ScaleLabel(j));
    // The column widens for long bounds and units.
    fitScaleColumn();
    m_image1->update();
}

void TRegistrForm::fitScaleColumn()
{
    std::vector<QWidget *> column{m_eSupText, m_eInfText, m_label1};
    column.insert(column.end(), m_scaleLabels.begin(), m_scaleLabels.end());
    m_scaleColumn = FitScaleColumn(m_stripPanel, m_scaleColumn, kLeftScaleWidth, column);
}

void TRegistrForm::showArchiveState()
{
    const Recorder *model = recorder();
    if (!model)
        return;
    const bool archiving = model->trend.Archiving();
    showChecked(m_checkBox1, archiving);
    m_checkBox1->setEnabled(model->CheckBox1Enabled || archiving);
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_eSupText, m_eInfText, m_pauseButton, m_tagText, m_baseTempoBox})
        control->setEnabled(!archiving);
    showText(m_label21, model->trend.ArchiveIndicatorText());
    if (archiving && !m_timer1.isActive()) {
        m_timer1.start();
    } else if (!archiving && m_timer1.isActive()) {
        m_timer1.stop();
        m_label21->hide();
    }
}

void TRegistrForm::showReadouts()
{
    const Recorder *model = recorder();
    if (!model)
        return;
    for (int slot = 1; slot <= Trend::kReadoutCount; ++slot)
        showText(m_coodsTexts[static_cast<std::size_t>(slot - 1)], model->trend.ReadoutText(slot));
}

void TRegistrForm::Timer1Timer()
{
    m_label21->setVisible(m_label21->isHidden());
}

void TRegistrForm::applyTexts()
{
    if (m_session.language() != Language::English
        || m_label13->text() == QStringLiteral("Description:"))
        return;
    m_label17->setText(QStringLiteral("1 division time="));
    m_checkBox1->setText(QStringLiteral("Archive"));
    m_staticText1->setText(QStringLiteral("Scale"));
    m_label13->setText(QStringLiteral("Description:"));
    static const char *const variables[] = {"Variable 1", "Variable 2", "Variable 3"};
    static const char *const texts[] = {"Text 1", "Text 2", "Text 3"};
    for (std::size_t pen = 0; pen < 3; ++pen) {
        m_variableLabels[pen]->setText(QString::fromLatin1(variables[pen]));
        m_textLabels[pen]->setText(QString::fromLatin1(texts[pen]));
    }
    m_checkBox2->setText(QStringLiteral("Strong Line"));
    m_usarVirgula->setText(QStringLiteral("Uses , as decimal separator"));
    m_usarUE->setText(QStringLiteral("Uses Engineering Units"));
    m_checkBox1->setToolTip(QStringLiteral("Save data into TXT file"));
    m_confBTN->setToolTip(QStringLiteral("Open configuration area"));
    m_pauseButton->setToolTip(QStringLiteral("Pause Trend"));
    m_sairBTN->setToolTip(QStringLiteral("Exit"));
    if (const Recorder *model = recorder(); model && model->Caption == "Registrador")
        setWindowTitle(QStringLiteral("Register"));
}

// ---- Window events.

void TRegistrForm::closeEvent(QCloseEvent *event)
{
    // Closing ends the pause; the window only hides and the recorder goes on sampling.
    if (Recorder *model = m_leaving ? nullptr : recorder()) {
        model->trend.EndPause();
        m_pauseButton->setChecked(false);
        m_panel3->hide();
    }
    ObjectWindow::closeEvent(event);
}

} // namespace zelvar
