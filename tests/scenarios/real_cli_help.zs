# topology: topologies/two_routers.ini
# Real-router help and completion: Tab completes the word under the caret, keeping earlier words as
# typed, and leaves a word it cannot complete alone. "word?" lists the words it begins; "?" after a
# blank lists what may follow: arguments, keywords, then <cr> where the command may end.
behaviour real-router
type en
key Tab
key Enter
type conf t
key Tab
key Enter
type int e
key Tab
type 0
key Enter
# An abbreviation that names no single word stays as typed.
type i
key Tab
key Enter
type ip add?
key Enter
type ip address ?
key Enter
type ip address 10.1.1.1 ?
key Enter
type ip address 10.1.1.1 255.255.255.0 ?
key Enter
type int s?
key Enter
type int s 0?
key Enter
type router eigrp ?
key Enter
type do sh ip ro ?
key Enter
type do sh ip ro s
key Tab
key Enter
type xyz?
key Enter
line end
type show ip int ?
type b
key Tab
key Enter
