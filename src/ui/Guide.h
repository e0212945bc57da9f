#pragma once

#include <QString>

// Which walkthrough of the guided help runs, and the step its hint line shows.
struct Guide {
    enum class Topic { none, addBorrower, addLoan, deleteBorrower, deleteLoans };
    Topic topic = Topic::none;
    QString step;
};
