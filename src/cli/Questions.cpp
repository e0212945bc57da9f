#include "cli/Questions.h"

#include "cli/Import.h"
#include "cli/Output.h"
#include "cli/QuestionTexts.h"

namespace cli {
namespace {

using Kind = Question::Kind;

Kind kindOf(const QString& option) {
    if (option == u"--summat")
        return Kind::Sums;
    if (option == u"--hae")
        return Kind::Search;
    if (option == u"--tuo")
        return Kind::Import;
    return Kind::None;
}

} // namespace

Question takeQuestion(QStringList& arguments) {
    Question question;
    QStringList others;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString option = arguments[i].section(u'=', 0, 0);
        Kind kind = kindOf(option);
        if (kind == Kind::Sums && option != arguments[i])
            kind = Kind::None; // --summat takes no value
        if (arguments[i] == u"--csv") {
            question.csv = true;
            continue;
        }
        if (kind == Kind::None) {
            others << arguments[i];
            continue;
        }
        if (question.kind != Kind::None && question.problem.isEmpty())
            question.problem = question_text::kOneQuestion;
        question.kind = kind;
        if (arguments[i].contains(u'='))
            question.text = arguments[i].section(u'=', 1);
        else if (kind != Kind::Sums && i + 1 < arguments.size())
            question.text = arguments[++i];
        else if (kind != Kind::Sums && question.problem.isEmpty())
            question.problem = question_text::missingValue(option);
    }
    if (question.csv && question.kind == Kind::None && question.problem.isEmpty())
        question.problem = question_text::kCsvAlone;
    arguments = others;
    return question;
}

int answer(const Question& question) {
    if (!question.problem.isEmpty())
        return fail(question.problem);
    switch (question.kind) {
    case Kind::Sums:
        return printSums(question.csv);
    case Kind::Search:
        return printMatches(question.text);
    case Kind::Import:
        return importRegister(question.text);
    case Kind::None:
        break;
    }
    return 0;
}

} // namespace cli
