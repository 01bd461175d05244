#pragma once

#include <QByteArray>
#include <QString>

namespace kerwano {

class ModelProjektu;
struct Projekt;

// Loads the project file `plik` into `model` as a freshly started program
// would: the start-up defaults, then the project applied. `zapisany` gets
// what the file holds. "" on success, otherwise the error text (without the
// error box's full stop), and nothing is applied. A file whose last save
// did not finish (KopiaNiedokonczonegoZapisu) is not read: that is the error.
QString WczytajJakPoStarcie(const QString &plik, Projekt &zapisany, ModelProjektu &model);

// The results of a loaded project as one indented UTF-8 JSON object: the
// stored selections, dimensions and project data, the page-1 results (A ..
// E, null where not a number) with the texts of their labels, the class,
// and every roof element with its height, angle and separation distance.
// `zapisany` is what the file held, `model` the project it became.
QByteArray WynikiJson(const Projekt &zapisany, const ModelProjektu &model);

} // namespace kerwano
