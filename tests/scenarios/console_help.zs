# topology: topologies/two_routers.ini
# The three forms of "?", the messages for unknown, ambiguous and incomplete commands, and Tab.
# "?" on an empty line lists the first words of the mode.
key ?
# "?" after a blank lists what may follow: the reports of user mode, which leave out the
# configuration reports of privileged mode.
type show ?
key Enter
# "?" right after a word lists its completions on one line; after an unknown second word, nothing.
type sh?
type  xyz?
key Enter
# However many blanks come before "?", exactly one is left.
type show    ?
key Enter
type frobnicate?
key Enter
line enable
line s
type s?
key Enter
# In privileged mode "show" is one word, offered once, and lists the configuration reports too.
type show ?
key Space
key Enter
line configure
# Tab completes each known word (the first stays as typed) and drops what follows an unknown one.
type sh ru
key Tab
key Enter
key q
type sh xyzzy
key Tab
key Enter
line configure terminal
type hostname ?
key Enter
