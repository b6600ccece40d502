// The figures of the help documents' worked examples, worked out again: by the program's own model
// functions where they exist, otherwise by a small independent calculation.
#pragma once

#include <QHash>
#include <QString>

// The inputs of one example line: "rate=20 years=25" as name -> value text.
using ExampleInputs = QHash<QString, QString>;
// Named results of one calculation, formatted as the documents quote them.
using ExampleFigures = QHash<QString, QString>;

// Works out every figure that the calculation `calc` gives for these inputs.
// An unknown calculation gives no figures.
ExampleFigures WorkOutExample(const QString& calc, const ExampleInputs& in);

// True when `calc` is worked out by the program's model functions; false when
// the test's own reference calculation stands in for a model still to come.
bool FromModel(const QString& calc);
