#pragma once
// Which connection states the event list records. A link that cannot reach its BTS keeps
// retrying and reports "no connection" after every attempt; the list says so once, when the
// state begins, so that what happened before stays in view.

class CCommsReport;

class CLinkStateLog {
public:
    // The line for the state `report` names, or nullptr when the list already shows that
    // state. A report that carries a reason is an event of its own and always gets its line,
    // so that the reason below it has its heading.
    const char* LineFor(const CCommsReport& report);

private:
    int m_logged = -1; // kind of the state line written last, -1 before the first
};
