Job: WINKYSYM // GEOMETRY & MAT. PROPERTIES
DATA:  SYMMETRIC BEAM!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     5          10             3.0000E+7            0.000
Coefficient of Thermal Expansion:   .000E+0
Element 'i'  Element Length [m]   Width [m]      Thickness [m]
    1              0.5000           1.0000           0.4000  
    2              0.5000           1.0000           0.4000  
    3              0.5000           1.0000           0.4000  
    4              0.5000           1.0000           0.4000  
    5              0.5000           1.0000           0.4000  
    6              0.5000           1.0000           0.4000  
    7              0.5000           1.0000           0.4000  
    8              0.5000           1.0000           0.4000  
    9              0.5000           1.0000           0.4000  
   10              0.5000           1.0000           0.4000  

--------------------- END OF GEOMETRY DATA ---------------------
