# topology: topologies/two_routers.ini
# Recall reaches at most ten lines back; blank lines are not stored; Ctrl+N returns to the line
# that was being typed when recall began. EXEC and configuration lines have separate lists.
key Ctrl+P
key Enter
line l1
line l2
line l3
line l4
line l5
line l6
line l7
line l8
line l9
line l10
line l11
line
line
type half
key Ctrl+P
key Enter
key Up Up Up Up Up Up Up Up Up Up
key Enter
key Up Up Up Up Up Up Up Up Up Up Up
key Enter
key Up Up Down Down Down
key Enter
line enable
line configure terminal
line hostname R1
key Up Up
