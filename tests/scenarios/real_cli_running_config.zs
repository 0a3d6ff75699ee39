behaviour real-router
# topology: topologies/two_routers.ini
# A basic-configuration worksheet typed in full on router 1 uses every setting the configuration
# keeps, each written as a real router writes it: passwords scrambled ("password 7 ..."), the
# sixteen vty lines in their two groups. Saved and reloaded keeping it, the running configuration is
# exactly what show startup-config shows was saved, byte count included. After the reload the
# console waits for RETURN, then shows the banner and asks the console password.
start configure
line hostname R1
line enable secret class
line enable password kolvo
line service password-encryption
line username R2 password linkpass
line banner motd # Authorized students only #
line interface serial 0
line description Link to R2
line bandwidth 64
line delay 2000
line ip address 10.1.12.1 255.255.255.0
line encapsulation ppp
line clock rate 64000
line no shutdown
line interface ethernet 0
line description Student LAN
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line router rip
line version 2
line passive-interface ethernet0
line network 192.168.1.0
line network 10.0.0.0
line no auto-summary
line exit
line ip route 172.16.0.0 255.255.0.0 10.1.12.2
line ip route 0.0.0.0 0.0.0.0 serial0
line ip route 192.168.9.0 255.255.255.0 10.1.12.2 130
line line con 0
line password console
line exec-timeout 0 0
line logging synchronous
line login
line line vty 0 15
line password remote
line login
line end
line copy running-config startup-config
key Enter
answer yes
line reload
wait 60
line
line console
line enable
line class
line show running-config
key Space
key Space
line show startup-config
key Space
key Space
key Space
