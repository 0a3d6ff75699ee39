behaviour real-router
# topology: topologies/serial_pairs.ini
# Serial0 runs PPP with CHAP, each router holding `username <the other router> password kolvo`:
# while R2 holds the mistyped k0lvo the link is up and both line protocols down (LCP Closed);
# corrected, the line protocol comes up within a keepalive exchange and a ping crosses. Serial1 runs
# PAP, each end sending `ppp pap sent-username` and checking the far end's name and password against
# its users; a wrong PAP password brings it down again.
start configure
line hostname R1
line enable secret class
line username R2 password kolvo
line username R2pap password papR2
line interface serial 0
line description CHAP link to R2
line ip address 10.0.12.1 255.255.255.0
line encapsulation ppp
line ppp authentication chap
line clock rate 64000
line no shutdown
line interface serial 1
line description PAP link to R2
line ip address 10.0.21.1 255.255.255.0
line encapsulation ppp
line ppp authentication pap
line ppp pap sent-username R1pap password papR1
line clock rate 64000
line no shutdown
line end
router 2
start configure
line hostname R2
line enable secret class
line username R1 password k0lvo
line username R1pap password papR1
line interface s0
line description CHAP link to R1
line ip address 10.0.12.2 255.255.255.0
line encapsulation ppp
line ppp authentication chap
line no shutdown
line interface s1
line description PAP link to R1
line ip address 10.0.21.2 255.255.255.0
line encapsulation ppp
line ppp authentication pap
line ppp pap sent-username R2pap password papR2
line no shutdown
line end
wait 30
router 1
line show ip interface brief
line show interfaces serial 0
line ping 10.0.12.2
wait 10
# R2 corrects the CHAP secret it holds for R1.
router 2
line configure terminal
line username R1 password kolvo
line end
wait 30
line show ip interface brief
line show interfaces serial 0
key Space
line ping 10.0.12.1
wait 2
line show running-config
key Space Space Enter
# R1 now sends a wrong PAP password: R2 refuses it and Serial1's line protocol goes down.
router 1
line configure terminal
line interface serial 1
line ppp pap sent-username R1pap password wrong
line end
wait 30
line show ip interface brief
# Two methods, the first used: the CHAP link stays up.
router 2
line configure terminal
line interface s0
line ppp authentication chap pap
line end
wait 20
line show ip interface brief
# R1 answers on Serial0 under another CHAP name: R2 holds no user of that name and refuses it,
# until it has one.
router 1
line configure terminal
line interface serial 0
line ppp chap hostname SITE1
line end
router 2
wait 30
line show ip interface brief
line configure terminal
line username SITE1 password kolvo
line end
wait 30
line show ip interface brief
# One-way CHAP: R2 stops checking R1 and, holding no user for SITE1, answers its challenge with
# its default secret.
line configure terminal
line no username SITE1
line interface s0
line no ppp authentication
line ppp chap password kolvo
line end
wait 30
line show ip interface brief
line show running-config interface serial 0
line show interfaces description
# debug ppp authentication on R2: R1's corrected PAP password brings Serial1 up (both ends send
# their name and password, both answer AUTH-ACK); Serial0 shut and opened again shows the
# one-way CHAP exchange, R2 answering SITE1's challenge. R2 then checks SITE1 against a wrong
# secret: its own verdict fails ("MD/DES compare failed") and the line protocol goes down.
line debug ppp authentication
router 1
line configure terminal
line interface serial 1
line ppp pap sent-username R1pap password papR1
line end
router 2
wait 20
line configure terminal
line interface s0
line shutdown
line no shutdown
line end
wait 20
line configure terminal
line username SITE1 password wrong
line interface s0
line ppp authentication chap
line end
wait 12
line undebug all
