Job: C:\TANKS\T1 // GEOMETRY & MAT. PROPERTIES
-------------------------------------------------------
BASE PLATE DATA:
No of Elements    Radius [m]   Young's Modulus [kPa]
       3            6.0000         3.0000E+7
Poisson's Ratio  In-Plane Def.(?)
     0.150            N
Coefficient of Thermal Expansion:   1.000E-5
Element 'i'  Element Width [m]  Thickness [m]
    1              2.0000           0.4000  
    2              2.0000           0.4000  
    3              2.0000           0.4000  
-------------------------------------------------------
WALL DATA:
No of Elements      Radius [m]       Height [m]
       2              6.0000           4.0000
Young's Modulus [kPa]  Poisson's Ratio  In-Plane Def.(?)
     3.000E+7             0.200              Y
Coefficient of Thermal Expansion:   1.000E-5
Element 'i'  Element Width [m]  Thickness [m]
    1              2.0000           0.3000  
    2              2.0000           0.3000  
-------------------------------------------------------
ROOF GEOMETRY DATA:
Shell Structure (?)  Y
Radial Section in form of a CURVE (?)  Y
No of Elements  Inner Radius [m]  Outer Radius [m]
         2         0.0000              6.0000
Young's Modulus [kPa]   Poisson's Ratio 
    3.0000E+7              0.200              
Coefficient of Thermal Expansion:   1.200E-5
                 Length           Length
Element 'i'  X-Component [m]  Z-Component [m]    Thickness [m]
    1           3.0000E+0        5.0000E-1           0.1250  
    2           3.0000E+0        2.5000E-1           0.1250  

--------------------- END OF GEOMETRY DATA ---------------------
