#include "services/pictures.h"

// The resources live in a static library: nothing would pull them in unless asked for by name.
static void initZelvarResources()
{
    Q_INIT_RESOURCE(zelvar);
}

namespace zelvar {

namespace {

void ensureResources()
{
    static const bool initialised = (initZelvarResources(), true);
    (void)initialised;
}

} // namespace

QPixmap LoadPicture(const QString &name)
{
    ensureResources();
    return QPixmap(QStringLiteral(":/") + name);
}

QIcon LoadIcon(const QString &name)
{
    ensureResources();
    return QIcon(QStringLiteral(":/") + name);
}

} // namespace zelvar
