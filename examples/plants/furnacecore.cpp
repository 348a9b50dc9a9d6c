#include "examples/plants/furnacecore.h"

#include <QPolygonF>

namespace zelvar::examples {

void BuildFurnaceCore(PlantBuilder &b, const char *flowTag, int valveOutput, int textSlot)
{
    b.Memory(16, {.unit = "bar", .low = "0", .high = "4"});
    b.Memory(22, {.unit = "°C", .low = "0", .high = "600"});
    b.Memory(23, {.unit = "°C", .low = "0", .high = "600"});
    b.Slider(2,
             {.name = "Pressão do gás|Fuel gas pressure", .percent = 50, .left = 800, .top = 400});
    b.PushButton(1,
                 {.name = "Porta do forno|Furnace door",
                  .textOff = "Fechada|Closed",
                  .textOn = "ABERTA|OPEN"});
    b.PushButton(2,
                 {.name = "Gás combustível|Fuel gas",
                  .textOff = "Pressão normal|Normal pressure",
                  .textOn = "Queda de pressão|Pressure drop"});
    b.CommandPanel(40, 60);

    // Fuel flow follows the square root of the gas pressure; button 2 cuts it by 40 %.
    b.Process(1,
              {.tag = flowTag,
               .description = "Vazão de gás combustível|Fuel gas flow",
               .input = valveOutput,
               .gain = "(M16*(1-0.4*M98)/50)^0.5",
               .tau1 = "2",
               .tau2 = "1",
               .left = 160,
               .top = 545});
    b.Process(2,
              {.tag = "H-101",
               .description = "Aquecimento pela combustão|Combustion heating",
               .input = 21,
               .gain = "0.9",
               .deadTime = "5",
               .tau1 = "60",
               .tau2 = "15",
               .left = 480,
               .top = 565});
    // The open door takes 8 % (48 °C) before the loop acts.
    b.Process(3,
              {.tag = "PORTA",
               .description = "Perda de calor pela porta|Door heat loss",
               .input = 97,
               .gain = "8",
               .tau1 = "15",
               .left = 565,
               .top = 565});

    b.Text(textSlot,
           {.kind = TextKind::Equation,
            .description = "Pressão do gás|Gas pressure",
            .expression = "M16*(1-0.4*M98)",
            .unit = "bar",
            .low = "0",
            .high = "4",
            .decimals = 2,
            .left = 40,
            .top = 430});
    b.Shape(1,
            {.memory = 97,
             .size = 30,
             .width = 30,
             .colour1 = kColourLime,
             .colour2 = kColourRed,
             .left = 327,
             .top = 385});
}

void BuildFurnaceTemperatureLoop(PlantBuilder &b, int pv, int left, int top)
{
    b.Controller(1,
                 {.tag = "TIC-101",
                  .description = "Temperatura de saída do forno|Furnace outlet temperature",
                  .pv = pv,
                  .setpoint = kFurnaceSetpoint,
                  .kc = "3.0",
                  .ti = "75",
                  .td = "12",
                  .left = left,
                  .top = top});
    b.Recorder(1,
               {.tag = "TR-101",
                .description = "Temperatura de saída do forno|Furnace outlet temperature",
                .pen1 = pv,
                .pen2 = 61,
                .pen3 = 1,
                .timeBase = 1,
                .left = 880,
                .top = 20});
}

void DrawFurnaceCore(PidPainter &p, const QString &valveTag)
{
    QPainter &g = p.painter();
    // Box furnace with its stack, the radiant coil and the door.
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(430, 40, 40, 100));
    g.drawRect(QRectF(300, 140, 300, 320));
    p.Text({480, 60}, QStringLiteral("F-101"), true);
    p.ProcessLine({{40, 200}, {560, 200}, {560, 225}, {340, 225}, {340, 250}, {960, 250}}, true);
    p.Label({40, 190}, QStringLiteral("Carga"), QStringLiteral("Feed"));
    p.Label({880, 268}, QStringLiteral("Produto"), QStringLiteral("Product"));
    g.setPen(QPen(PidPainter::kInk, 2));
    g.setBrush(QColor(0xee, 0xee, 0xee));
    g.drawRect(QRectF(316, 365, 58, 70));
    p.Label({316, 358}, QStringLiteral("Porta"), QStringLiteral("Door"));

    // Fuel gas header from the bottom left to the burners.
    p.ProcessLine({{40, 520}, {520, 520}});
    for (const double x : {380.0, 450.0, 520.0}) {
        p.ProcessLine({{x, 520}, {x, 472}});
        g.setPen(QPen(QColor(0xd0, 0x50, 0x20), 2));
        g.setBrush(QColor(0xff, 0xb0, 0x40));
        g.drawPolygon(QPolygonF({QPointF(x - 10, 470), QPointF(x + 10, 470), QPointF(x, 446)}));
    }
    p.Label({330, 545}, QStringLiteral("Gás combustível"), QStringLiteral("Fuel gas"));
    p.ProcessLine({{78, 520}, {78, 501}});
    p.PressureGauge({78, 488});
    p.Text({96, 480}, QStringLiteral("PI"), true);
    p.Orifice({198, 520});
    p.ControlValve({298, 520});
    p.Text({224, 502}, valveTag, true);

    p.SignalLine({{660, 250}, {660, 223}});
    p.Bubble({660, 205}, QStringLiteral("TT-101"));
    p.Label({480, 558}, QStringLiteral("Cálculos"), QStringLiteral("Calculations"));
}

} // namespace zelvar::examples
