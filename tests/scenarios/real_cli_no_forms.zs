# topology: topologies/two_routers.ini
# Real-router "no" forms undo their command: the host name goes back to Router; users, passwords and
# the banner go; an interface loses its description, address, encapsulation, authentication and
# clock rate; a RIP network leaves the list. A repeated username only changes that user's password.
behaviour real-router
start configure
line hostname Lab1
line enable secret class
line username student password kolvo
line username teacher password secret
line username student password lab
line banner motd #Hi#
line interface serial 0
line description Link to R2
line ip address 10.0.0.1 255.255.255.0
line encapsulation ppp
line ppp authentication chap
line clock rate 64000
line exit
line router rip
line network 10.0.0.0
line network 192.168.1.0
line exit
line line console 0
line password kolvo
line exit
line do show running-config
key Space
key Space
line no hostname
line no enable secret
line no username teacher
line no banner motd
line interface s0
line no description
line no ip address
line no ppp authentication chap
line no encapsulation
line no clock rate
line do show controllers serial 0
line exit
line router rip
line no network 10.0.0.0
line exit
line line console 0
line no password
line end
line show running-config
key Space
# Users as configurations print them: a type-0 or type-7 password is the password itself, a
# secret is shown hashed, and a privilege level is kept. A type-7 text that is not a scrambled
# password is taken as it stands.
line configure terminal
line username R2 password 0 kolvo
line username R3 password 7 11021609011D
line username admin privilege 15 secret Adm1n
line username guest secret guest
line do show running-config | include username
line no username guest
line username odd password 7 123
line do show running-config | include odd
line no username odd
line username far password 7 99AB
line do show running-config | include far
line no username far
line username hex password 7 02ZZ
line do show running-config | include username
# Passwords keep their case: the enable secret Kolvo5 refuses kolvo5. A line password given in
# its scrambled form is the password it stands for.
line enable secret Kolvo5
line line console 0
line password 7 11021609011D
line do show running-config | include password
line end
line disable
line enable
line kolvo5
line Kolvo5
# The no forms of timestamps, CHAP names, equal paths and redistribution; a PAP password given in
# its scrambled form.
line configure terminal
line service timestamps debug datetime localtime
line no service timestamps log
line interface serial 0
line ppp chap hostname SITE1
line no ppp chap hostname
line ppp pap sent-username R1 password 7 11021609011D
line router rip
line maximum-paths 2
line no maximum-paths
line redistribute connected metric 5
line no redistribute connected metric 5
line redistribute static
line end
line show running-config | include timestamps|ppp|redistribute|maximum
