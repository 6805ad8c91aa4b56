// Readers and writers of the actions the unit can carry out: Message action, Output Flag action,
// Timer action and Counter action.

#include "model/NumberedSection.h"

namespace koru {

namespace {

const std::array<Field<MessageActionSection>, 1> kMessageActionListFields{
    KORU_LIST_FIELD(MessageActionSection, actions, "Actions", "lstMessageActions"),
};

const std::array<Field<MessageText>, 2> kMessageTextFields{
    KORU_TEXT_FIELD(MessageText, type, "Type", "cmbTypeOfMessage"),
    KORU_TEXT_FIELD(MessageText, text, "Text", "txtTextString"),
};

void ApplyMessageActionList(const KeyLine& line, UnitConfiguration& config) {
    ApplyField(kMessageActionListFields, line, config.messageActions);
}

void WriteMessageAction(LineWriter& out, const UnitConfiguration& config) {
    out.line("-Message action");
    WriteFields(out, kMessageActionListFields, config.messageActions);
    WriteNumbered(out, "+Message", config.messageActions.messages, kMessageTextFields);
}

// The output/flag, timer and counter sections each hold one list of defined actions.
struct ActionList {
    const char* heading;
    TextList UnitConfiguration::*list;
    const char* control;
};

const ActionList& ActionListOf(Section section) {
    static const ActionList outputFlag{"-Output Flag action", &UnitConfiguration::outputFlagActions,
                                       "lstOutputFlagActions"};
    static const ActionList timer{"-Timer action", &UnitConfiguration::timerActions, "lstTimerActions"};
    static const ActionList counter{"-Counter action", &UnitConfiguration::counterActions, "lstCounterActions"};
    if (section == Section::OutputFlagAction) return outputFlag;
    if (section == Section::TimerAction) return timer;
    return counter;
}

class ActionListReader final : public SectionReader {
public:
    explicit ActionListReader(TextList UnitConfiguration::*list) : list_(list) {}

    ReadFailure apply(const std::string& line, UnitConfiguration& config) override {
        const KeyLine keyLine(line);
        if (!keyLine.ignored && keyLine.key == "Actions") SplitList(keyLine.value, config.*list_);
        return std::nullopt;
    }

private:
    TextList UnitConfiguration::*list_;
};

}  // namespace

std::unique_ptr<SectionReader> MakeActionSectionReader(Section section) {
    if (section == Section::MessageAction) {
        return std::make_unique<NumberedSectionReader<MessageText, kMessageCount, 2>>(
            "+Message", NumberRule::Rest, [](UnitConfiguration& c) -> auto& { return c.messageActions.messages; },
            kMessageTextFields, &ApplyMessageActionList);
    }
    return std::make_unique<ActionListReader>(ActionListOf(section).list);
}

void WriteActionSection(Section section, LineWriter& out, const UnitConfiguration& config) {
    if (section == Section::MessageAction) return WriteMessageAction(out, config);
    const ActionList& actions = ActionListOf(section);
    out.line(actions.heading);
    out.keyLine("Actions", JoinList(config.*actions.list));
}

}  // namespace koru
