# topology: topologies/serial_pairs.ini
# Framing and CHAP decide whether a serial line comes up. Router 2, set up first, loses its lines at
# 8 s; router 1 follows at 10 s. On router 2 Serial3 (HDLC) comes back at 12 s, Serial1 (PPP) and
# Serial2 (CHAP: each router knows the other's host name, in another case, with its enable secret)
# one exchange later at 14 s; Serial0, HDLC against PPP, never comes up on either end. A wrong
# secret, and later an unknown name, take Serial2 down on both ends; the right secret in between
# brings it back. Empty lines mark the seconds.
router 2
line enable
line configure terminal
line hostname Right
line enable secret bravo
line username left password alpha
line interface s0
line encapsulation ppp
line no shutdown
line exit
line interface s1
line encapsulation ppp
line no shutdown
line exit
line interface s2
line encapsulation ppp
line ppp authentication chap
line no shutdown
line exit
line interface s3
line no shutdown
line end
wait 10
router 1
line enable
line configure terminal
line hostname Left
line enable secret alpha
line username RIGHT password bravo
line interface s0
line no shutdown
line exit
line interface s1
line encapsulation ppp
line no shutdown
line exit
line interface s2
line encapsulation ppp
line ppp authentication chap
line no shutdown
line exit
line interface s3
line no shutdown
line end
router 2
line
wait 2
line
wait 2
line
wait 2
line
wait 2
line
wait 2
line show ip interface brief
router 1
line show ip interface brief
line configure terminal
line enable secret charlie
line end
wait 10
line show ip interface brief
line configure terminal
line enable secret alpha
line end
wait 10
line show ip interface brief
line configure terminal
line hostname Stranger
line end
wait 10
line show ip interface brief
router 2
line show ip interface brief
