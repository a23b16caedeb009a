Job: HSSYM // GEOMETRY & MAT. PROPERTIES
DATA:  SYMMETRIC STRIP!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     1          10             3.0000E+7            0.200
Coefficient of Thermal Expansion:   .000E+0
Element 'i' Element Length [m]  Thickness [m]
    1              0.1000           0.5000  
    2              0.1000           0.5000  
    3              0.1000           0.5000  
    4              0.1000           0.5000  
    5              0.1000           0.5000  
    6              0.1000           0.5000  
    7              0.1000           0.5000  
    8              0.1000           0.5000  
    9              0.1000           0.5000  
   10              0.1000           0.5000  

--------------------- END OF GEOMETRY DATA ---------------------
