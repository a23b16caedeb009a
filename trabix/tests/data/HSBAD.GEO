Job: HSBAD // GEOMETRY & MAT. PROPERTIES
DATA:  STRIP!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     2          4             3.0000E+7            0.200
Coefficient of Thermal Expansion:   .000E+0
Element 'i' Element Length [m]  Thickness [m]
    1              0.5000           0.5000  
    2              0.5000           0.5000  
    3              0.5000           0.5000  
    4              0.5000           0.5000  

--------------------- END OF GEOMETRY DATA ---------------------
