#include "widgets/ObjectNames.h"

#include <QObject>
#include <QString>

namespace sv {

void SetObjectNames(std::initializer_list<TObjectName> names)
{
    for (const TObjectName& n : names)
        if (n.Object)
            n.Object->setObjectName(QString::fromLatin1(n.Name));
}

} // namespace sv
