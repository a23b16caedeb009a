Job: CHECK // GEOMETRY & MAT. PROPERTIES
DATA:  BEAM!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     4          4             3.0000E+7            0.000
Coefficient of Thermal Expansion:   .000E+0
Element 'i'  Element Length [m]   Width [m]      Thickness [m]
    1              1.0000           0.3000           0.5000  
    2              1.0000           0.3000           0.5000  
    3              1.0000           0.3000           0.5000  
    4              1.0000           0.3000           0.5000  

--------------------- END OF GEOMETRY DATA ---------------------
