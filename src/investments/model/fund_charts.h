// The investment manager's charts, built from the current value's fund totals.
#pragma once

#include <QString>
#include <vector>

#include "common/chart_data.h"
#include "common/money.h"
#include "common/shared_table.h"
#include "investments/model/portfolio.h"

// The chart of funds 1..fundCount (at most 30), labelled with their names: each fund's gain or
// loss per cent (fundTotals column 5), which the chart opens with, and the whole part of its
// current value (column 3) as the second chart. A slot the tables do not hold counts as empty.
ChartData FundCharts(const SharedTable<Money>& fundTotals, const std::vector<FundNameRow>& names,
                     int fundCount, const QString& symbol);
