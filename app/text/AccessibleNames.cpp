#include "app/text/AccessibleNames.h"

#include <QCoreApplication>

namespace pintu {

QString tileAccessibleName(int row, int column, std::optional<int> tile)
{
    const QString place[] = {QString::number(row), QString::number(column)};
    if (!tile)
        return QCoreApplication::translate("pintu::AccessibleNames", "第 %1 行第 %2 列：空白").arg(place[0], place[1]);
    return QCoreApplication::translate("pintu::AccessibleNames", "第 %1 行第 %2 列：%3 号块")
        .arg(place[0], place[1], QString::number(*tile));
}

QString numberMapAccessibleName(int row, int column, const QString& caption)
{
    return QCoreApplication::translate("pintu::AccessibleNames", "编号图第 %1 行第 %2 列：%3")
        .arg(QString::number(row), QString::number(column), caption);
}

QString valueAccessibleName(const QString& caption, const QString& value)
{
    return QCoreApplication::translate("pintu::AccessibleNames", "%1：%2").arg(caption, value);
}

} // namespace pintu
