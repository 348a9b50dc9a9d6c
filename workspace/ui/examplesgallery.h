#pragma once

#include "engine/model/language.h"

#include <QTabWidget>

#include <string_view>

namespace zelvar {

// TabbedNotebook1: six tabs of example plants, each entry a picture (the control sim1 ...
// sim19, sim3a ... sim3d), a title and a description. A click on a picture asks for its
// example.
class ExamplesGallery : public QTabWidget
{
    Q_OBJECT

public:
    static constexpr int kLeft = 48;
    static constexpr int kTop = 88;
    static constexpr int kWidth = 1161;
    static constexpr int kHeight = 513;
    static constexpr int kPictureWidth = 321;
    static constexpr int kPictureHeight = 193;

    explicit ExamplesGallery(QWidget *parent = nullptr);

    // The tab captions, titles and descriptions of the language.
    void SetLanguage(Language language);

signals:
    // The example's file as the gallery names it, relative to the start folder.
    void exampleChosen(const QString &relativeFile);
};

} // namespace zelvar
