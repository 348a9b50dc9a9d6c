#include "examples/lessons.h"

#include "engine/model/numbertext.h"

#include <QFile>

#include <cmath>
#include <stdexcept>

namespace zelvar::examples {

namespace {

std::string Figure(double value, int decimals, Language language)
{
    const double scale = std::pow(10.0, decimals);
    // A figure that rounds to zero carries no sign.
    if (std::round(std::abs(value) * scale) == 0.0)
        value = 0.0;
    std::string figure = FormatFixed(value, 0, decimals);
    if (language == Language::Portuguese) {
        for (char &c : figure)
            c = c == '.' ? ',' : c;
    }
    return figure;
}

double Number(std::string_view text, const std::string &field)
{
    const ParsedNumber number = ParseNumber(text);
    if (text.empty() || number.errorPosition != 0)
        throw std::runtime_error("the figure {" + field + "} holds no number in "
                                 + std::string(text));
    return number.value;
}

// Fills every "{Name:d}" of the example's text, or "{picture.Name:d}" of another example, or on
// the page every "{picture.Name:d}" in the language of the element it stands in (the nearest
// lang attribute before it).
std::string Filled(std::string_view text, const ExamplePlant *example, Language language, bool page)
{
    std::string out;
    std::size_t next = 0;
    while (true) {
        const std::size_t open = text.find('{', next);
        out.append(text.substr(next, open == std::string_view::npos ? open : open - next));
        if (open == std::string_view::npos)
            return out;
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos)
            throw std::runtime_error("an unclosed figure in: "
                                     + std::string(text.substr(open, 40)));
        std::string_view field = text.substr(open + 1, close - open - 1);
        const std::string whole(field);
        const ExamplePlant *owner = example;
        // "picture." names another example's check; the page has no example of its own.
        const std::size_t dot = field.find('.');
        const ExamplePlant *named
            = dot == std::string_view::npos ? nullptr : FindExample(field.substr(0, dot));
        if (named != nullptr) {
            owner = named;
            field.remove_prefix(dot + 1);
        }
        if (owner == nullptr)
            throw std::runtime_error("no example for the figure {" + whole + "}");
        const std::size_t colon = field.find(':');
        const std::string_view decimals
            = colon == std::string_view::npos ? std::string_view{} : field.substr(colon + 1);
        if (decimals.size() != 1 || decimals[0] < '0' || decimals[0] > '4')
            throw std::runtime_error("the figure {" + whole + "} names no decimals 0-4");
        // "[c-]Name[*k]": the check's figure scaled by k and taken from c, e.g. a fall from the
        // setpoint, or a percent of range in engineering units.
        std::string_view name = field.substr(0, colon);
        double from = 0.0;
        double factor = 1.0;
        bool fromSet = false;
        if (const std::size_t minus = name.find('-', 1); minus != std::string_view::npos) {
            from = Number(name.substr(0, minus), whole);
            fromSet = true;
            name.remove_prefix(minus + 1);
        }
        if (const std::size_t times = name.find('*'); times != std::string_view::npos) {
            factor = Number(name.substr(times + 1), whole);
            name = name.substr(0, times);
        }
        const AcceptanceCheck *check = nullptr;
        for (const AcceptanceCheck &candidate : owner->checks) {
            if (candidate.name == name)
                check = &candidate;
        }
        if (check == nullptr)
            throw std::runtime_error(owner->picture + " has no check for the figure {" + whole
                                     + "}");
        Language shown = language;
        if (page) {
            const std::size_t lang = text.rfind("lang=\"", open);
            shown = lang != std::string_view::npos && text.substr(lang + 6, 2) == "en"
                        ? Language::English
                        : Language::Portuguese;
        }
        const double scaled = check->engine * factor;
        out += Figure(fromSet ? from - scaled : scaled, decimals[0] - '0', shown);
        next = close + 1;
    }
}

} // namespace

std::string WithFigures(std::string_view text, const ExamplePlant &example, Language language)
{
    return Filled(text, &example, language, false);
}

std::string LessonsPageText()
{
    QFile file(QStringLiteral(ZELVAR_LESSONS_TEMPLATE));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " ZELVAR_LESSONS_TEMPLATE);
    const QByteArray bytes = file.readAll();
    return Filled(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  nullptr,
                  Language::Portuguese,
                  true);
}

} // namespace zelvar::examples
