#include "files/commands/orm_file_name.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString OrmExtension = u".orm"_s;
} // namespace

QString SaveTargetName(const QString& name)
{
    return name.endsWith(OrmExtension, Qt::CaseSensitive) ? name : name + OrmExtension;
}

QString WithOrmExtension(const QString& name)
{
    const qsizetype nameStart = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(QDir::separator())) + 1;
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > nameStart ? name.left(dot) + OrmExtension : name + OrmExtension;
}
