# topology: topologies/serial_pairs.ini
# Framing and CHAP decide whether a serial line comes up (four cables between two routers).
# Router 2 is set up first and its lines go down after 8 s; router 1 follows at 10 s.
# Serial3, HDLC on both ends, comes back up on router 2 at 12 s; Serial1, PPP on both ends, and
# Serial2, PPP with CHAP where each router knows the other's host name (in another case) with its
# enable secret, one exchange later at 14 s. Serial0, HDLC against PPP, never comes up on either
# end. Then router 1 offers a wrong secret (another enable secret), and later an unknown name
# (another host name): Serial2 goes down on both ends each time; between the two the right
# secret brings it back. Empty lines mark the seconds.
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
