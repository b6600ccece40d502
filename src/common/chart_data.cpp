#include "common/chart_data.h"

void PadSinglePoint(ChartPoints& points) {
    if (points.values.size() != 1) return;
    points.labels.append(QString());
    points.values.push_back(0.0);
}
