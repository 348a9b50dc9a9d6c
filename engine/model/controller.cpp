#include "engine/model/controller.h"

#include "engine/model/engineplant.h"
#include "engine/model/expression.h"
#include "engine/model/faceplate.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zelvar {

namespace {

constexpr int kControllerCount = 10;

// Limits to lo..hi; NaN becomes 0 so that nothing undefined reaches the state.
double LimitFinite(double x, double lo, double hi)
{
    if (std::isnan(x))
        return 0.0;
    return std::clamp(x, lo, hi);
}

struct SettingNumber
{
    double value = 0.0;
    bool valid = false;
};

SettingNumber ReadSettingNumber(std::string_view text)
{
    const ParsedNumber parsed = ParseNumber(DecimalCommaToPoint(text));
    return {parsed.value, parsed.errorPosition == 0};
}

int DecimalsForSpan(double span)
{
    span = std::fabs(span);
    if (span < 1.0)
        return 4;
    if (span < 10.0)
        return 3;
    if (span < 100.0)
        return 2;
    if (span < 1000.0)
        return 1;
    return 0;
}

} // namespace

Controller::Controller(int objectNumber)
    : ObjectNumber(objectNumber)
    , trend(ControllerReadoutText)
{
    m_settings.TagText = "PID" + FormatFixed(objectNumber, 0, 0);
    m_applied = m_settings;
}

void Controller::SettingsEdited()
{
    faceplate.btnatualizaEnabled = true;
    faceplate.ConfigBTNEnabled = false;
    SyncFeedForward();
}

void Controller::SyncFeedForward()
{
    if (m_feedForward.Text() != m_settings.FFwEquation)
        m_feedForward.SetText(m_settings.FFwEquation);
}

void Controller::SetCheckSPR(bool ticked)
{
    if (ticked == m_settings.CheckSPR)
        return;
    m_settings.CheckSPR = ticked;
    if (ticked) {
        m_settings.SPRSelect = 0;
        remoteSetpointMemory = 1;
    }
    SettingsEdited();
}

double Controller::EngineeringValue(double percent) const
{
    return EngineeringFromPercent(scaleBegin, scaleEnd, percent);
}

std::string Controller::SetpointText() const
{
    return FormatFixed(EngineeringValue(Setpoint), decimals, decimals);
}

void Controller::ShowSetpointText()
{
    faceplate.SPText = SetpointText();
    faceplate.SPTextTyped = false;
}

std::vector<std::string>
Controller::ApplyControllerSettings(MemoryTable &memories, bool reportErrors, TakeOver takeOver)
{
    const bool eachPart = takeOver == TakeOver::EachValidPart;
    std::vector<const char *> problems;
    m_settingsTakenOver = false;
    ControllerSettings &s = m_settings;

    const auto readInto
        = [this,
           &problems](std::string ControllerSettings::*text, double &field, const char *problem) {
              const SettingNumber number = ReadSettingNumber(m_settings.*text);
              if (number.valid) {
                  field = number.value;
                  m_applied.*text = m_settings.*text;
              } else {
                  problems.push_back(problem);
              }
          };

    const bool tagGiven = !s.TagText.empty();
    const bool pvChosen = MemoryTable::IsMemory(s.VariavelSelect + 1);
    bool scaleValid = false;
    std::pair<double, double> newScale{scaleBegin, scaleEnd};
    if (!tagGiven)
        problems.push_back(": TAG não informado");
    else if (!pvChosen)
        problems.push_back(": Variável de processo (PV) não informada");
    if ((tagGiven && pvChosen) || eachPart) {
        if (pvChosen) {
            // The scale always follows the PV memory's range and unit.
            const auto m = static_cast<std::size_t>(s.VariavelSelect + 1);
            s.InicioEscala = memories.MemoryUEMin[m];
            s.FimEscala = memories.MemoryUEMax[m];
            s.UnidEng = memories.MemoryUnit[m];
        }

        readInto(&ControllerSettings::KpText, kc, ": Kp inválido");
        readInto(&ControllerSettings::KiText, ti, ": Ti inválido");
        readInto(&ControllerSettings::KdText, td, ": Td inválido");
        readInto(&ControllerSettings::aText, setpointWeight, ": Fator a inválido");
        readInto(&ControllerSettings::tfText, filterTime, ": Talf inválido");
        readInto(&ControllerSettings::BiasText, OutputBias, ": Bias inválido");
        readInto(&ControllerSettings::COminText, outputMin, ": COmin inválido");
        readInto(&ControllerSettings::COmaxText, outputMax, ": COmax inválido");
        // The equation is read live as it stands; the switch is a part of its own, which the
        // user's Apply takes only with a valid equation.
        const bool equationValid
            = !s.FFwSelect || EvaluateLiteral(s.FFwEquation, memories).EvaluatorError.empty();
        if (!equationValid)
            problems.push_back(": Equação do FF inválida");
        if (equationValid || eachPart) {
            feedForward = s.FFwSelect;
            m_applied.FFwSelect = s.FFwSelect;
        }
        if (pvChosen) {
            // The scale belongs to the PV memory: it is taken over with it, below.
            const SettingNumber begin = ReadSettingNumber(s.InicioEscala);
            const SettingNumber end = ReadSettingNumber(s.FimEscala);
            if (!begin.valid)
                problems.push_back(": Inicio Escala inválido");
            if (!end.valid)
                problems.push_back(": Final Escala inválido");
            newScale = {begin.value, end.value};
            scaleValid = begin.valid && end.valid;
        }
    }

    if (problems.empty() || eachPart) {
        const auto take = [this](auto ControllerSettings::*setting) {
            m_applied.*setting = m_settings.*setting;
        };
        reverseProcess = s.Acaogroup == 0;
        derivativeOnPv = s.DerivadaGroup == 1;
        isa = s.EstruturaGroup == 1;
        remoteSetpointMemory = s.SPRSelect + 1;
        for (const auto setting : {&ControllerSettings::Acaogroup,
                                   &ControllerSettings::DerivadaGroup,
                                   &ControllerSettings::EstruturaGroup,
                                   &ControllerSettings::SPRSelect,
                                   &ControllerSettings::BackMV})
            take(setting);
        for (const auto setting : {&ControllerSettings::PCHK,
                                   &ControllerSettings::ICHK,
                                   &ControllerSettings::DCHK,
                                   &ControllerSettings::CheckSPR,
                                   &ControllerSettings::BackMVCheck})
            take(setting);
        take(&ControllerSettings::FFwEquation);
        take(&ControllerSettings::Descricao);
        faceplate.DescricaoText = s.Descricao;
        faceplate.LocalRemotoBTNEnabled = s.CheckSPR;
        faceplate.SPRBarShown = s.CheckSPR;
        // A record's local flag is what ran, remote with the box unticked included.
        if (!s.CheckSPR && !eachPart)
            local = true;
        if (pvChosen) {
            pvMemory = s.VariavelSelect + 1;
            take(&ControllerSettings::VariavelSelect);
        }
        if (scaleValid) {
            scaleBegin = newScale.first;
            scaleEnd = newScale.second;
            faceplate.UnitEngSP = s.UnidEng;
            for (const auto setting : {&ControllerSettings::InicioEscala,
                                       &ControllerSettings::FimEscala,
                                       &ControllerSettings::UnidEng})
                take(setting);
            decimals = DecimalsForSpan(scaleEnd - scaleBegin);
            ShowSetpointText();
        }
        if (tagGiven) {
            take(&ControllerSettings::TagText);
            faceplate.Caption = s.TagText;
            if (ObjectNumber >= 1 && ObjectNumber <= kControllerCount) {
                memories.SetDescription(ObjectNumber, " MV " + s.TagText);
                memories.SetDescription(60 + ObjectNumber, " SP " + s.TagText);
            }
        }
        m_settingsTakenOver = problems.empty();
    }

    faceplate.CheckBox1Enabled = !s.TagText.empty();
    trend.ApplySettingsScale(scaleBegin, scaleEnd);
    trend.UpdateArchiveIndicator();

    std::vector<std::string> messages;
    if (reportErrors) {
        const std::string prefix = "Controlador " + FormatFixed(ObjectNumber, 0, 0);
        for (const char *problem : problems)
            messages.push_back(prefix + problem);
    }
    return messages;
}

ControllerSettings Controller::SavedSettings() const
{
    ControllerSettings saved = m_applied;
    saved.PCHK = m_settings.PCHK;
    saved.ICHK = m_settings.ICHK;
    saved.DCHK = m_settings.DCHK;
    saved.CheckSPR = m_settings.CheckSPR;
    saved.BackMVCheck = m_settings.BackMVCheck;
    saved.BackMV = m_settings.BackMV;
    saved.FFwEquation = m_settings.FFwEquation;
    // The memories the step reads, which ticking the remote setpoint changes without Apply.
    saved.VariavelSelect = pvMemory - 1;
    saved.SPRSelect = remoteSetpointMemory - 1;
    return saved;
}

void Controller::Step(EnginePlant &plant, const StepContext &context)
{
    MemoryTable &memories = plant.memories;
    const double dt = context.TimeStep;
    const ControllerSettings &s = m_settings;
    const bool publishes = ObjectNumber >= 1 && ObjectNumber <= kControllerCount;

    pv = memories.Value(pvMemory);
    remoteSetpoint = s.CheckSPR ? memories.Value(remoteSetpointMemory) : 0.0;
    if (!local)
        Setpoint = remoteSetpoint;

    // The error sees the raw values; everything after sees them limited.
    double weightedError = 0.0;
    if (reverseProcess) {
        error = pv - Setpoint;
        weightedError = pv - setpointWeight * Setpoint;
    } else {
        error = Setpoint - pv;
        weightedError = setpointWeight * Setpoint - pv;
    }
    pv = LimitFinite(pv, 0.0, 100.0);
    Setpoint = LimitFinite(Setpoint, 0.0, 100.0);
    if (m_primeFirstStep) {
        previousFilteredPv = pv;
        filteredPv = pv;
        previousError = error;
        m_primeFirstStep = false;
    }

    if (s.DCHK && derivativeOnPv) {
        const double filtered
            = filterTime / (filterTime + dt) * previousFilteredPv + dt / (filterTime + dt) * pv;
        filteredPv = std::isfinite(filtered) ? filtered : pv;
    }

    if (publishes)
        memories.SetValue(60 + ObjectNumber, Setpoint);

    if (feedForward) {
        const double bias = m_feedForward.Evaluate(memories).value;
        if (std::isfinite(bias))
            OutputBias = bias;
    }

    double gain = kc;
    double proportional = 0.0;
    if (s.PCHK)
        proportional = LimitFinite(gain * weightedError, -100.0, 100.0);
    else
        gain = 1.0;

    double derivative = 0.0;
    if (s.DCHK) {
        double change = 0.0;
        if (derivativeOnPv)
            change = reverseProcess ? filteredPv - previousFilteredPv
                                    : previousFilteredPv - filteredPv;
        else
            change = error - previousError;
        derivative = dt != 0.0 ? change * td / dt : 0.0;
        if (isa)
            derivative *= gain;
        derivative = LimitFinite(derivative, -100.0, 100.0);
    }

    double integral = previousIntegral;
    if (automatic) {
        bool frozen = ti == 0.0 || !s.ICHK;
        if (!frozen && s.BackMVCheck && MemoryTable::IsMemory(s.BackMV + 1)) {
            const double slave = memories.Value(s.BackMV + 1);
            frozen = slave >= 99.9 || slave <= 0.1;
        }
        if (!frozen) {
            const double next = isa ? (1.0 / ti) * error * gain * dt + previousIntegral
                                    : (1.0 / ti) * error * dt + previousIntegral;
            if (std::isfinite(next))
                integral = next;
        }
        double output = OutputBias + proportional + integral + derivative;
        if (output > outputMax)
            integral = outputMax - proportional - derivative - OutputBias;
        else if (output < outputMin)
            integral = outputMin - proportional - derivative - OutputBias;
        output = OutputBias + proportional + integral + derivative;
        if (std::isfinite(output) && std::isfinite(integral))
            co = output;
        else
            integral = previousIntegral;
    } else {
        const double tracking = co - proportional - derivative - OutputBias;
        if (std::isfinite(tracking))
            integral = tracking;
    }

    previousError = error;
    previousPv = pv;
    previousFilteredPv = filteredPv;
    previousIntegral = integral;

    if (publishes)
        memories.SetValue(ObjectNumber, co);

    if (!context.FastRunFlag)
        UpdateFaceplate();
    SampleControllerTrend(plant);
}

void Controller::UpdateFaceplate()
{
    faceplate.SetPointBar = FaceplateGauge(Setpoint);
    faceplate.SaidaBar = FaceplateGauge(co);
    faceplate.VariavelBar = FaceplateGauge(pv);
    faceplate.SPRBar = FaceplateGauge(remoteSetpoint);
    // In remote the setpoint is not the operator's to type.
    if (!local || !faceplate.SPTextTyped)
        ShowSetpointText();
    if (automatic)
        faceplate.MVText = FormatFixed(co, 2, 2);
    faceplate.PVText = FormatFixed(EngineeringValue(pv), decimals, decimals);
}

void Controller::SampleControllerTrend(const EnginePlant &plant)
{
    if (!trend.DueForSample())
        return;
    const double actuator = ObjectNumber >= 1 && ObjectNumber <= 24
                                ? plant.ActuatorPosition[static_cast<std::size_t>(ObjectNumber)]
                                : 0.0;
    TrendSample sample;
    sample.value = {pv, Setpoint, co, actuator};
    trend.Record(sample);
    if (trend.Archiving()) {
        const bool engineering = trend.UsarUE;
        trend.ArchiveSample(engineering ? EngineeringValue(pv) : pv,
                            engineering ? EngineeringValue(Setpoint) : Setpoint,
                            LimitFinite(co, 0.0, 100.0));
    }
}

std::string Controller::StartTrendArchive(const std::filesystem::path &folder, Language language)
{
    if (m_settings.TagText.empty())
        return {};
    return trend.StartArchive(folder, m_settings.TagText, "PV;SP;MV", language);
}

void StepController(Controller &controller, EnginePlant &plant, const StepContext &context)
{
    controller.Step(plant, context);
}

std::string ControllerReadoutText(int slot, double value, double seconds)
{
    return "Ponto " + FormatFixed(slot, 0, 0) + ":  Y=" + FormatFixed(value, 4, 1)
           + "  X=" + FormatFixed(seconds, 4, 1);
}

} // namespace zelvar
