Job: C:\PLATES\P1 // GEOMETRY & MAT. PROPERTIES
CIRCULAR PLATE DATA:
No of Elements  Inner Radius [m]  Outer Radius [m]
       4             1.5000             6.5000
Young's Modulus [kPa]   Poisson's Ratio
       2.5000E+7            0.150
Coefficient of Thermal Expansion:   1.200E-5
Element 'i'  Element Width [m]  Thickness [m]
    1              1.2500           0.3500  
    2              1.2500           0.3500  
    3              1.2500           0.3500  
    4              1.2500           0.3500  

--------------------- END OF GEOMETRY DATA ---------------------
