#include "surface/mvPlacement.h"

#include "surface/mvIniValues.h"

TmvPlacement TmvPlacement::Short(int left, int top, bool visible) {
    TmvPlacement p;
    p.Left = left;
    p.Top = top;
    p.Flag = visible ? 1 : 0;
    p.FlagIsOne = visible;
    return p;
}

TmvPlacement TmvPlacement::Long(int left, int top, int third, int fourth, int flag) {
    TmvPlacement p;
    p.Left = left;
    p.Top = top;
    p.HasSize = true;
    p.Third = third;
    p.Fourth = fourth;
    p.Flag = flag;
    p.FlagIsOne = flag == 1;
    return p;
}

std::optional<TmvPlacement> ParsePlacement(const QString& text, QString* error) {
    const QStringList fields = SplitList(text, QLatin1Char(','));
    if (fields.size() != 3 && fields.size() != 5) {
        if (error)
            *error = QStringLiteral("expected 3 or 5 numbers, found %1 fields").arg(fields.size());
        return std::nullopt;
    }
    int numbers[5] = {};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const std::optional<int> n = FieldInteger(fields[i]);
        if (!n) {
            if (error) *error = QStringLiteral("'%1' is not a number").arg(fields[i]);
            return std::nullopt;
        }
        numbers[i] = *n;
    }
    TmvPlacement p =
        fields.size() == 5
            ? TmvPlacement::Long(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4])
            : TmvPlacement::Short(numbers[0], numbers[1], numbers[2] == 1);
    p.Flag = numbers[fields.size() - 1];
    p.FlagIsOne = FieldFlag(fields.last());
    return p;
}

QString FormatPlacement(const TmvPlacement& p) {
    if (!p.HasSize) return QStringLiteral("%1,%2,%3").arg(p.Left).arg(p.Top).arg(p.Flag);
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(p.Left)
        .arg(p.Top)
        .arg(p.Third)
        .arg(p.Fourth)
        .arg(p.Flag);
}
