# topology: topologies/two_routers.ini
# The configuration register takes 0x and up to eight lower-case hexadecimal digits; the host name
# keeps its capitals and "no hostname" restores Router.
line enable
line configure terminal
line config-register 0x2142
line config-register 2142
line config-register 0x214G
line config-register 0x12345678
line config-register 0x123456789
line hostname LabRouter-A
line no hostname
line hostname
line hostname Edge1
line end
line show version
key Space
