// The side windows wear the table's cloth, with light text on it.
#pragma once

class QWidget;

void useTableBackground(QWidget* window);
